#include "skimmerpage.h"

#include "app/handlers.h"
#include "app/mainmenu.h"
#include "app/navigation.h"

using namespace app;

TSkimmer::TSkimmer() : Page(QStringLiteral("Skimmer"), {790, 514})
{
    ui.setupUi(client());
    installMainMenu(this, {GoTo::Skimmer});
    onClick(ui.Button2, [this] { Button2Click(); });
    onClick(ui.Button1, [this] { Button1Click(); });
}

// "&Weiter -->"
void TSkimmer::Button2Click()
{
    showPage(PageId::TLight);
}

// "<-- &Zurück"
void TSkimmer::Button1Click()
{
    showPage(PageId::Tsolar);
}
