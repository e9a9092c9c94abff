#include "ovalpoolpage.h"

#include "app/handlers.h"
#include "app/look.h"

using namespace app;
using namespace pool;

Tol::Tol() : PoolPage(QStringLiteral("Schwimmbeckenauswahl  - Ovalformbecken"), {784, 531}, ovalPool)
{
    ui.setupUi(client());
    wire();

    for (QRadioButton *size : sizeButtons)
        onMouseMove(size, [this](QPoint) {
            setTextColour(ui.conzero, navy);
            setTextColour(ui.beckenrand, yellow);
            showHandrailNote(true);
        });
    // Label2 is this page's hint to the construction's popup menu.
    onMouseMove(ui.conzero, [this](QPoint) { ui.Label2->show(); });
    showWhileFocused(ui.conzero, [this] { ui.Label2->show(); }, [this] { ui.Label2->hide(); });
    handrailNoteWhileFocused();
}

void Tol::FormMouseMove(QPoint)
{
    showHandrailNote(false);
    ui.Label2->hide();
}

void Tol::FormMouseDown(QPoint)
{
    setTextColour(ui.beckenrand, yellow);
    setTextColour(ui.conzero, navy);
    samplesHome();
}

void Tol::FormMouseUp(QPoint)
{
    setTextColour(ui.beckenrand, red);
    setTextColour(ui.conzero, aqua);
}
