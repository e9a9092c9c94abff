#include "ovalpoolpage.h"

#include "app/handlers.h"
#include "app/mainmenu.h"
#include "app/navigation.h"

using namespace app;

Tol::Tol() : Page(QStringLiteral("Schwimmbeckenauswahl  - Ovalformbecken"), {784, 531})
{
    ui.setupUi(client());
    installMainMenu(this, {GoTo::Schwimmbeckenauswahl});
    onClick(ui.Button2, [this] { Button2Click(); });
    onClick(ui.Button3, [this] { Button3Click(); });
}

// "&Weiter -->"
void Tol::Button2Click()
{
    showPage(PageId::Tabdeckung);
}

// "<-- &Zurück"
void Tol::Button3Click()
{
    showPage(PageId::Tbg);
}
