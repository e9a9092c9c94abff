#include "furtherarticlespage.h"

#include "app/handlers.h"
#include "app/navigation.h"

using namespace app;

Tartikel::Tartikel()
    : Page(QStringLiteral("Weitere Artikel der Marvasten Reinigungs- und Pooltechnik"), {990, 611}, Frame::Dialog)
{
    ui.setupUi(client());
    setBackground(QColor(0, 0, 128));
    onClick(ui.SpeedButton1, [this] { SpeedButton1Click(); });
}

// "Zurück zum Anfang": the welcome page; this page closes.
void Tartikel::SpeedButton1Click()
{
    showPage(PageId::Tbg);
    closePage(PageId::Tartikel);
}
