#include "lightspage.h"

#include "app/handlers.h"
#include "app/mainmenu.h"
#include "app/navigation.h"

using namespace app;

TLight::TLight() : Page(QStringLiteral("Unterwasserscheinwerfer"), {790, 516})
{
    ui.setupUi(client());
    installMainMenu(this, {GoTo::Unterwasserscheinwerfer});
    onClick(ui.Button2, [this] { Button2Click(); });
    onClick(ui.Button1, [this] { Button1Click(); });
}

// "&Weiter -->"
void TLight::Button2Click()
{
    showPage(PageId::Tbrs);
}

// "<-- &Zurück"
void TLight::Button1Click()
{
    showPage(PageId::TSkimmer);
}
