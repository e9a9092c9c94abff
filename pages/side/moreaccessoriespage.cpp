#include "moreaccessoriespage.h"

#include "app/handlers.h"

using namespace app;

Tmzs::Tmzs() : Page(QStringLiteral("Mehr Zubehör"), {790, 534})
{
    ui.setupUi(client());
    // "&Quit" closes the page.
    onClick(ui.Button1, [this] { close(); });
}
