#include "rectangularpoolpage.h"

#include "app/handlers.h"
#include "app/mainmenu.h"
#include "app/navigation.h"

using namespace app;

Tre::Tre() : Page(QStringLiteral("Schwimmbeckenauswahl - Rechteckbecken"), {790, 516})
{
    ui.setupUi(client());
    installMainMenu(this, {GoTo::Schwimmbeckenauswahl});
    onClick(ui.Button2, [this] { Button2Click(); });
    onClick(ui.Button3, [this] { Button3Click(); });
}

// "&Weiter -->"
void Tre::Button2Click()
{
    showPage(PageId::Tabdeckung);
}

// "<-- &Zurück"
void Tre::Button3Click()
{
    showPage(PageId::Tbg);
}
