#include "floorcleaningpage.h"

#include "floorcleaningtables.h"

#include "app/catalogue.h"
#include "app/daten.h"
#include "app/handlers.h"
#include "app/keyboardmoves.h"
#include "app/mainmenu.h"
#include "app/navigation.h"
#include "app/numbertext.h"
#include "app/runningtotal.h"

#include <QTimer>

using namespace app;
using namespace floorcleaning;

namespace {

QTimer *addTimer(QObject *page, const char *name, int ms, bool enabled)
{
    auto *timer = new QTimer(page);
    timer->setObjectName(QString::fromLatin1(name));
    timer->setInterval(ms);
    if (enabled)
        timer->start();
    return timer;
}

// Enabling a timer that runs already leaves its count as it is.
void enable(QTimer *timer, bool enabled)
{
    if (!enabled)
        timer->stop();
    else if (!timer->isActive())
        timer->start();
}

} // namespace

Tbrs::Tbrs() : Page(QStringLiteral("Bodenreinigungsset"), {792, 516})
{
    ui.setupUi(client());
    installMainMenu(this, {GoTo::Bodenreinigungsset});
    followKeysWithBackgroundMove(this);

    // The bronze drain's three pictures, 3 s, 2 s and 1 s each. The last timer runs from
    // the start, so the hidden pictures turn until the drain box is first clicked.
    Timer1 = addTimer(this, "Timer1", 3000, false);
    Timer2 = addTimer(this, "Timer2", 2000, false);
    Timer3 = addTimer(this, "Timer3", 1000, true);

    for (QLineEdit *price : {ui.sbgb, ui.prbd, ui.prex, ui.brg})
        makePriceField(price);
    onClick(ui.bdab, [this] { bdabClick(); });
    onClick(ui.kab, [this] { kabClick(); });
    onClick(ui.brab, [this] { brabClick(); });
    onTimer(Timer1, [this] { Timer1Timer(); });
    onTimer(Timer2, [this] { Timer2Timer(); });
    onTimer(Timer3, [this] { Timer3Timer(); });
    onClick(ui.bslxs, [this] { bslxsClick(); });
    onClick(ui.Button3, [this] { Button3Click(); });
    onClick(ui.Button1, [this] { Button1Click(); });
}

// Each activation shows the lights page's total and hands the page's choices, its total
// as last computed among them, to the quote: the grand total until the next page's own.
void Tbrs::FormActivate()
{
    runningtotal::showPrevious(PageId::Tbrs, ui.sbgb);
    storeChoices();
    daten.gesamtpreis = ui.brg->text();
}

// The summary of the page and its total follow the choices on every move of the mouse.
void Tbrs::FormMouseMove(QPoint)
{
    ui.zus->clear();
    if (ui.kab->isChecked())
        ui.zus->addItem(addedLine(plasticDrain.summaryName, ui.prbd->text()));
    else if (ui.brab->isChecked())
        ui.zus->addItem(addedLine(bronzeDrain.summaryName, ui.prbd->text()));
    else
        ui.zus->addItem(noDrainSummary.toString());
    if (ui.bslxs->isChecked()) {
        ui.zus->addItem(addedLine(luxusSet.summaryName, ui.prex->text()));
        ui.sex->setText(luxusSet.stored.toString());
    } else {
        ui.zus->addItem(noSetSummary.toString());
    }
    ui.zus->addItem(previousTotalLine(ui.sbgb->text()));
    ui.zus->addItem(QString());
    computeTotal();
}

void Tbrs::computeTotal()
{
    setText(ui.brg, generalText(toNumber(ui.sbgb->text()) + toNumber(ui.prbd->text()) + toNumber(ui.prex->text())));
}

// The box offers the two drain types; the price follows from the type chosen.
void Tbrs::bdabClick()
{
    const bool wanted = ui.bdab->isChecked();
    ui.kab->setVisible(wanted);
    ui.brab->setVisible(wanted);
    // Without a type there is no drain: no description, picture or price.
    if (wanted && (ui.kab->isChecked() || ui.brab->isChecked()))
        return;
    setChecked(ui.kab, false);
    setChecked(ui.brab, false);
    ui.boden->hide();
    setText(ui.prbd, noDrainPrice.toString());
    ui.bad->setText(noDrainStored.toString());
    ui.abl->hide();
    enable(Timer1, false);
    enable(Timer2, false);
    enable(Timer3, false);
}

void Tbrs::kabClick()
{
    if (!ui.bdab->isChecked())
        return;
    setLines(ui.boden, linesOf(plasticDrain.lines));
    ui.boden->show();
    setText(ui.prbd, plasticDrain.price.toString());
    ui.bad->setText(plasticDrain.stored.toString());
    ui.abl->setCurrentIndex(plasticDrain.picturePage);
    ui.abl->show();
    enable(Timer1, false);
    enable(Timer2, false);
    enable(Timer3, false);
}

void Tbrs::brabClick()
{
    if (!ui.bdab->isChecked())
        return;
    setLines(ui.boden, linesOf(bronzeDrain.lines));
    ui.boden->show();
    setText(ui.prbd, bronzeDrain.price.toString());
    ui.bad->setText(bronzeDrain.stored.toString());
    ui.abl->setCurrentIndex(bronzeDrain.picturePage);
    ui.abl->show();
    enable(Timer1, true);
}

// The bronze pictures in turn: the second notebook page for 3 s, the third for 2 s,
// the fourth for 1 s.
void Tbrs::Timer1Timer()
{
    ui.abl->setCurrentIndex(2);
    enable(Timer2, true);
    enable(Timer3, false);
    enable(Timer1, false);
}

void Tbrs::Timer2Timer()
{
    enable(Timer1, false);
    enable(Timer2, false);
    enable(Timer3, true);
    ui.abl->setCurrentIndex(3);
}

void Tbrs::Timer3Timer()
{
    enable(Timer3, false);
    enable(Timer2, false);
    ui.abl->setCurrentIndex(1);
    enable(Timer1, true);
}

void Tbrs::bslxsClick()
{
    if (ui.bslxs->isChecked()) {
        setLines(ui.brs, linesOf(luxusSet.lines));
        setText(ui.prex, luxusSet.price.toString());
        ui.saug->setCurrentIndex(0);
        ui.saug->show();
        // The quote names the set as soon as it is chosen, not only after the mouse
        // moved over the page: leaving by keyboard hands on the name with the price.
        ui.sex->setText(luxusSet.stored.toString());
    } else {
        setText(ui.prex, noSetPrice.toString());
        ui.saug->hide();
    }
    if (ui.prex->text() == noSetPrice)
        ui.sex->setText(noSetStored.toString());
}

void Tbrs::storeChoices()
{
    daten.bodensetpreis = ui.prex->text();
    daten.bodenablauf = ui.bad->text();
    daten.bodenset = ui.sex->text();
}

// "&Weiter -->"
void Tbrs::Button3Click()
{
    computeTotal();
    runningtotal::showPrevious(PageId::Tbrs, ui.sbgb);
    storeChoices();
    runningtotal::handOn(PageId::Tbrs, ui.brg->text());
}

// "<-- &Zurück"
void Tbrs::Button1Click()
{
    showPage(PageId::TLight);
}
