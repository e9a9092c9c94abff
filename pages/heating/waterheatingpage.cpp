#include "waterheatingpage.h"

#include "app/handlers.h"
#include "app/mainmenu.h"
#include "app/navigation.h"

using namespace app;

Tsolar::Tsolar() : Page(QStringLiteral("Geräte zur Wassererwärmung"), {786, 531})
{
    ui.setupUi(client());
    installMainMenu(this, {GoTo::Wassererwaermung});
    onClick(ui.Button3, [this] { Button3Click(); });
    onClick(ui.Button2, [this] { Button2Click(); });
}

// "&Weiter -->"
void Tsolar::Button3Click()
{
    showPage(PageId::TSkimmer);
}

// "<-- &Zurück"
void Tsolar::Button2Click()
{
    showPage(PageId::TFip);
}
