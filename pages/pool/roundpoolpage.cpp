#include "roundpoolpage.h"

#include "app/handlers.h"
#include "app/look.h"

using namespace app;
using namespace pool;

Trd::Trd() : PoolPage(QStringLiteral("Schwimmbeckenauswahl  - Rundbecken"), {784, 531}, roundPool)
{
    ui.setupUi(client());
    wire();

    onMouseMove(ui.conzero, [this](QPoint) { ui.conzerocontext->show(); });
    onMouseMove(ui.b35, [this](QPoint) {
        showHandrailNote(true);
        setTextColour(ui.conzero, navy);
        setTextColour(ui.beckenrand, yellow);
    });
    for (QRadioButton *size : {ui.b416, ui.b500, ui.b600, ui.b700, ui.b800})
        onMouseMove(size, [this](QPoint) { showHandrailNote(true); });
    showWhileFocused(ui.conzero, [this] { ui.conzerocontext->show(); }, [this] { ui.conzerocontext->hide(); });
    handrailNoteWhileFocused();
}

void Trd::FormMouseMove(QPoint)
{
    ui.conzerocontext->hide();
    showHandrailNote(false);
}

void Trd::FormMouseDown(QPoint)
{
    setTextColour(ui.beckenrand, yellow);
    setTextColour(ui.conzero, aqua);
}

void Trd::FormMouseUp(QPoint)
{
    setTextColour(ui.beckenrand, red);
    setTextColour(ui.conzero, navy);
}
