#include "rectangularpoolpage.h"

#include "app/handlers.h"
#include "app/look.h"
#include "app/menus.h"

using namespace app;
using namespace pool;

Tre::Tre() : PoolPage(QStringLiteral("Schwimmbeckenauswahl - Rechteckbecken"), {790, 516}, rectangularPool)
{
    ui.setupUi(client());
    wire();

    addPopupMenu(this, "PopupMenu1",
                 {{"StyroporsteinimDetail1", "Styroporstein im Detail", [this] { showOnly(ui.styrstein); }},
                  {"BeckenimBau1", "Becken im Bau", [this] { showOnly(ui.beckenbau); }},
                  {"FertigesBecken1", "Fertiges Becken", [this] { showOnly(ui.rechtpic); }}},
                 {ui.rechtpic, ui.styrstein, ui.beckenbau});
    onMouseMove(ui.rechtpic, [this](QPoint) { setTextColour(ui.beckenrand, yellow); });
}

void Tre::choiceClick()
{
    setTextColour(ui.beckenrand, red);
    Button1Click();
}

// Every change of the choice returns to the picture of the finished pool.
void Tre::beforeRecompute()
{
    showOnly(ui.rechtpic);
}

void Tre::showOnly(QWidget *picture)
{
    for (QWidget *p : {ui.rechtpic, ui.styrstein, ui.beckenbau})
        p->setVisible(p == picture);
}

void Tre::FormMouseDown(QPoint)
{
    setTextColour(ui.beckenrand, yellow);
    samplesHome();
}

void Tre::FormMouseUp(QPoint)
{
    setTextColour(ui.beckenrand, red);
}
