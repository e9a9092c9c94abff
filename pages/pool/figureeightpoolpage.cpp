#include "figureeightpoolpage.h"

#include "app/handlers.h"
#include "app/mainmenu.h"
#include "app/navigation.h"

using namespace app;

Tat::Tat() : Page(QStringLiteral("Schwimmbeckenauswahl  - Achtformbecken"), {790, 516})
{
    ui.setupUi(client());
    installMainMenu(this, {GoTo::Schwimmbeckenauswahl, GoToCaptions::FigureEight});
    onClick(ui.Button2, [this] { Button2Click(); });
    onClick(ui.Button3, [this] { Button3Click(); });
}

// "&Weiter -->"
void Tat::Button2Click()
{
    showPage(PageId::Tabdeckung);
}

// "<-- &Zurück"
void Tat::Button3Click()
{
    showPage(PageId::Tbg);
}
