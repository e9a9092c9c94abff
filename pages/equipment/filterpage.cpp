#include "filterpage.h"

#include "app/handlers.h"
#include "app/mainmenu.h"
#include "app/navigation.h"

using namespace app;

TFip::TFip() : Page(QString(), {790, 514}, Frame::None)
{
    ui.setupUi(client());
    installMainMenu(this, {GoTo::Filterauswahl});
    onClick(ui.skim, [this] { skimClick(); });
    onClick(ui.Button2, [this] { Button2Click(); });
}

// "&Weiter -->"
void TFip::skimClick()
{
    showPage(PageId::Tsolar);
}

// "<-- &Zurück"
void TFip::Button2Click()
{
    showPage(PageId::TLeitern);
}
