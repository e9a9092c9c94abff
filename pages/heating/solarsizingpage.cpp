#include "solarsizingpage.h"

#include "app/handlers.h"
#include "app/mainmenu.h"
#include "app/navigation.h"

#include <QAction>
#include <QMenuBar>

using namespace app;

Tsber::Tsber() : Page(QStringLiteral("Zezurara Berechnung"), {790, 514})
{
    ui.setupUi(client());
    installMainMenu(this, {GoTo::ZezuraraBerechnung});
    // This page's "&Datei" entry is "Zurück", which does what the panel does.
    QAction *back = menuBar()->findChild<QAction *>(QStringLiteral("Beenden1"));
    back->setText(QStringLiteral("Zurück"));
    back->setObjectName(QStringLiteral("Zurck1"));
    rebind(back, [this] { Panel3Click(); });
    onClick(ui.Panel3, [this] { Panel3Click(); });
}

// "Zurück": back to the water-heating page; this page closes.
void Tsber::Panel3Click()
{
    closePage(PageId::Tsber);
    showPage(PageId::Tsolar);
}
