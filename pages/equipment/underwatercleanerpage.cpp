#include "underwatercleanerpage.h"

#include "app/handlers.h"
#include "app/mainmenu.h"
#include "app/navigation.h"

using namespace app;

Tureiniger::Tureiniger() : Page(QStringLiteral("Unterwasserreiniger"), {792, 516})
{
    ui.setupUi(client());
    installMainMenu(this, {GoTo::Unterwasserreiniger});
    onClick(ui.Button3, [this] { Button3Click(); });
    onClick(ui.Button1, [this] { Button1Click(); });
}

// "&Weiter -->"
void Tureiniger::Button3Click()
{
    showPage(PageId::Tsave);
}

// "<-- &Zurück"
void Tureiniger::Button1Click()
{
    showPage(PageId::Tbrs);
}
