#include "solarsizingpage.h"

#include "app/handlers.h"
#include "app/mainmenu.h"
#include "app/navigation.h"

using namespace app;

Tsber::Tsber() : Page(QStringLiteral("Zezurara Berechnung"), {790, 514})
{
    ui.setupUi(client());
    installMainMenu(this, {GoTo::ZezuraraBerechnung, GoToCaptions::Standard, true});
    onClick(ui.Panel3, [this] { Panel3Click(); });
}

// "Zurück": back to the water-heating page; this page closes.
void Tsber::Panel3Click()
{
    closePage(PageId::Tsber);
    showPage(PageId::Tsolar);
}
