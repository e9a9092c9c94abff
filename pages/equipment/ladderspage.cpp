#include "ladderspage.h"

#include "app/handlers.h"
#include "app/mainmenu.h"
#include "app/navigation.h"

using namespace app;

TLeitern::TLeitern() : Page(QStringLiteral("Leiterauswahl"), {792, 514})
{
    ui.setupUi(client());
    installMainMenu(this, {GoTo::Leiterauswahl});
    onClick(ui.Button1, [this] { Button1Click(); });
    onClick(ui.Button2, [this] { Button2Click(); });
}

// "&Weiter -->"
void TLeitern::Button1Click()
{
    showPage(PageId::TFip);
}

// "<-- &Zurück"
void TLeitern::Button2Click()
{
    showPage(PageId::Tabdeckung);
}
