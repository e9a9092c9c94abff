#include "accessorytabspage.h"

#include "app/handlers.h"

#include <QMenuBar>

using namespace app;

Tmezs::Tmezs() : Page(QStringLiteral("Mehr Zubehör"), {790, 514})
{
    ui.setupUi(client());
    menuBar()->setObjectName(QStringLiteral("MainMenu1"));
    QAction *back = menuBar()->addAction(QStringLiteral("Zurück"));
    back->setObjectName(QStringLiteral("Zurck1"));
    onTriggered(back, [this] { close(); });
}
