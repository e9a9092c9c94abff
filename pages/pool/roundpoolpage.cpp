#include "roundpoolpage.h"

#include "app/handlers.h"
#include "app/mainmenu.h"
#include "app/navigation.h"

using namespace app;

Trd::Trd() : Page(QStringLiteral("Schwimmbeckenauswahl  - Rundbecken"), {784, 531})
{
    ui.setupUi(client());
    installMainMenu(this, {GoTo::Schwimmbeckenauswahl});
    onClick(ui.Button2, [this] { Button2Click(); });
    onClick(ui.Button3, [this] { Button3Click(); });
}

// "&Weiter -->"
void Trd::Button2Click()
{
    showPage(PageId::Tabdeckung);
}

// "<-- &Zurück"
void Trd::Button3Click()
{
    showPage(PageId::Tbg);
}
