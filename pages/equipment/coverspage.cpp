#include "coverspage.h"

#include "app/handlers.h"
#include "app/mainmenu.h"
#include "app/navigation.h"

using namespace app;

Tabdeckung::Tabdeckung() : Page(QStringLiteral("Schwimmbadabdeckungen"), {790, 514})
{
    ui.setupUi(client());
    installMainMenu(this, {GoTo::Schwimmbadabdeckungen});
    onClick(ui.Button1, [this] { Button1Click(); });
    onClick(ui.Button2, [this] { Button2Click(); });
}

// "&Weiter -->"
void Tabdeckung::Button1Click()
{
    showPage(PageId::TLeitern);
}

// "<-- &Zurück"
void Tabdeckung::Button2Click()
{
    showOpenPoolPage();
}
