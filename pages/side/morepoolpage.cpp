#include "morepoolpage.h"

#include "app/handlers.h"

using namespace app;

Tmss::Tmss() : Page(QStringLiteral("Mehr Schwimmbad"), {1366, 712})
{
    ui.setupUi(client());
    // "&Quit" closes the page.
    onClick(ui.Button1, [this] { close(); });
}
