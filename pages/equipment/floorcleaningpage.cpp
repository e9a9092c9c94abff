#include "floorcleaningpage.h"

#include "app/handlers.h"
#include "app/mainmenu.h"
#include "app/navigation.h"

using namespace app;

Tbrs::Tbrs() : Page(QStringLiteral("Bodenreinigungsset"), {792, 516})
{
    ui.setupUi(client());
    installMainMenu(this, {GoTo::Bodenreinigungsset});
    onClick(ui.Button3, [this] { Button3Click(); });
    onClick(ui.Button1, [this] { Button1Click(); });
}

// "&Weiter -->"
void Tbrs::Button3Click()
{
    showPage(PageId::Tureiniger);
}

// "<-- &Zurück"
void Tbrs::Button1Click()
{
    showPage(PageId::TLight);
}
