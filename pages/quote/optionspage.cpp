#include "optionspage.h"

#include "app/handlers.h"
#include "app/mainmenu.h"
#include "app/navigation.h"

#include <QMenuBar>

using namespace app;

Tsave::Tsave() : Page(QStringLiteral("Optionen"), {792, 514})
{
    ui.setupUi(client());
    QMenuBar *bar = menuBar();
    QMenu *file = bar->addMenu(QStringLiteral("&Datei"));
    file->setObjectName(QStringLiteral("Datei1"));
    addExitEntry(file);
    addGoToMenu(bar, GoTo::Optionen, GoToCaptions::Options);

    onClick(ui.Button1, [this] { Button1Click(); });
    onClick(ui.Button2, [this] { Button2Click(); });
    onClick(ui.Button6, [this] { Button6Click(); });
    onClick(ui.Button7, [this] { Button7Click(); });
}

// Hidden "&Weiter -->": the final page.
void Tsave::Button1Click()
{
    showPage(PageId::Tendpr);
}

// "<-- &Zum Anfang": back to the welcome page, which resets the quote store.
void Tsave::Button2Click()
{
    showPage(PageId::Tbg);
}

// "Programm &Beenden"
void Tsave::Button6Click()
{
    confirmExit(this);
}

// "<-- &Zurück"
void Tsave::Button7Click()
{
    showPage(PageId::Tureiniger);
}
