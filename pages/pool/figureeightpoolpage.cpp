#include "figureeightpoolpage.h"

#include "app/handlers.h"
#include "app/look.h"

using namespace app;
using namespace pool;

Tat::Tat()
    : PoolPage(QStringLiteral("Schwimmbeckenauswahl  - Achtformbecken"), {790, 516}, figureEightPool,
               GoToCaptions::FigureEight)
{
    ui.setupUi(client());
    wire();

    onClick(ui.hand, [this] { handClick(); });
    onMouseMove(ui.b320x525, [this](QPoint) {
        setTextColour(ui.beckenrand, yellow);
        showHandrailNote(true);
    });
    for (QRadioButton *size : {ui.b360x625, ui.b460x725, ui.b500x855})
        onMouseMove(size, [this](QPoint) { showHandrailNote(true); });
    handrailNoteWhileFocused();
}

// Ticked by the recompute when the 1 mm liner is chosen; nothing clears it again, so the
// combined handrail stays in the quote once that liner was chosen.
void Tat::handClick()
{
    if (ui.hand->isChecked()) {
        ui.handtxt->setText(QStringLiteral("Kombi Handlauf"));
        showHandrailNote(true);
    } else {
        ui.handtxt->setText(QStringLiteral("Standardhandlauf"));
        showHandrailNote(false);
    }
    Button1Click();
}

void Tat::FormMouseMove(QPoint)
{
    showHandrailNote(false);
}

void Tat::FormMouseDown(QPoint)
{
    setTextColour(ui.beckenrand, yellow);
    setTextColour(ui.hand, aqua);
    samplesHome();
}

void Tat::FormMouseUp(QPoint)
{
    setTextColour(ui.beckenrand, red);
    setTextColour(ui.hand, navy);
}
