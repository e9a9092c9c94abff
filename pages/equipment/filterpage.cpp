#include "filterpage.h"

#include "filtertables.h"

#include "app/catalogue.h"
#include "app/daten.h"
#include "app/handlers.h"
#include "app/keyboardmoves.h"
#include "app/look.h"
#include "app/mainmenu.h"
#include "app/navigation.h"
#include "app/numbertext.h"
#include "app/runningtotal.h"

#include <QFocusEvent>
#include <QLineEdit>
#include <QListWidget>

using namespace app;

namespace {

const QString blank = QStringLiteral(" ");

// The recommendation on arriving at the page, for the smaller pools.
const QString cartridgeEnough = QStringLiteral("Für dieses Becken ist der Einhängekartuschenfilter ausreichend.");
const QString sand320Enough = QStringLiteral("Für dieses Becken ist eine Sandfilteranlage mit 320mm Ø ausreichend.");
const QString sand400Enough =
    QStringLiteral("Für dieses Becken ist eine Sandfilteranlage mit 400mm Ø und 6m³/h ausreichend.");

// The recommendation that follows the volume.
const QString recommend400 = QStringLiteral("Wir empfehlen eine Sandfilteranlage mit 400 mm Ø und 8m³/h.");
const QString recommend500 = QStringLiteral("Wir empfehlen eine Sandfilteranlage mit 500 mm Ø.");
const QString recommend600 = QStringLiteral("Wir empfehlen eine Sandfilteranlage mit 600 mm Ø.");

const QString cartridgeWarning =
    QStringLiteral("Für diesen Pumpentyp ist kein Skimmer und keine Einlaufdüse vorgesehen !");

const QString totalCaption = QStringLiteral("Bisheriger Gesamtpreis");
const QString totalMissing = QStringLiteral("Die Zwischensumme 1 fehlt.");
const QString noPageTotal = QStringLiteral(" Ermittlung der Zwischensumme 2 nicht möglich.");
const QColor red(255, 0, 0);

QStringList rowsOf(const QListWidget *list)
{
    QStringList rows;
    for (int i = 0; i < list->count(); ++i)
        rows << list->item(i)->text();
    return rows;
}

} // namespace

TFip::TFip() : Page(QString(), {790, 514}, Frame::None)
{
    ui.setupUi(client());
    installMainMenu(this, {GoTo::Filterauswahl});
    followKeysWithBackgroundMove(this);

    // Each band's list holds the catalogue from its first row on.
    for (const filter::Band &band : filter::bands)
        find<QListWidget>(band.list)->addItems(filter::namesFrom(band.firstRow));
    for (const char *name : filter::pictures)
        m_filterPictures << find(name);
    m_electrolysisPictures = {ui.hydro, ui.wifi};

    // The electrolysis list keeps the prompt of the form until a row is chosen.
    const QString prompt = ui.elektro->currentText();
    setChoices(ui.elektro, filter::electrolysisRows());
    ui.elektro->setEditText(prompt);

    onClick(ui.Button3, [this] { Button3Click(); });
    onChange(ui.vm, [this] { vmChange(); });
    ui.Filterauswahl->installEventFilter(this);
    onChange(ui.Filterauswahl, [this] { FilterauswahlChange(); });
    onChange(ui.elektro, [this] { elektroChange(); });
    onChange(ui.wasseraufb, [this] { Button1Click(); });
    onClick(ui.Button1, [this] { Button1Click(); });
    makePriceField(ui.bele);
    makePriceField(ui.prpmp);
    makePriceField(ui.bpg);
    onClick(ui.Button2, [this] { Button2Click(); });
    onClick(ui.skim, [this] { skimClick(); });
}

void TFip::FormActivate()
{
    Button3Click();
}

// The recommendation for the pool of the walk.
void TFip::Button3Click()
{
    setText(ui.vm, daten.volumen);
    const Number volume = toNumber(ui.vm->text());
    if (volume >= 20) {
        ui.pmp1->setText(blank);  // the volume's own line stays
        return;
    }
    ui.pmp1->setText(blank);
    ui.pmp2->setText(blank);
    if (volume != 0)
        ui.pmp1->setText(volume < 12 ? cartridgeEnough : volume < 15 ? sand320Enough : sand400Enough);
}

void TFip::FormShow()
{
    runningtotal::showPrevious(PageId::TFip, ui.bele);
}

void TFip::FormMouseMove(QPoint)
{
    runningtotal::showPrevious(PageId::TFip, ui.bele);
    const bool missing = toNumber(ui.bele->text()) == 0;
    ui.GP->setText(missing ? totalMissing : totalCaption);
    ui.gp2->setText(missing ? noPageTotal : blank);
    const QColor background = missing ? red : pageBlue;
    for (QLabel *label : {ui.GP, ui.gp2})
        if (backgroundColour(label) != background)
            setBackgroundColour(label, background);
}

// The list is rebuilt when the user moves to it, by Tab or by mouse; not when Qt hands
// the focus back after the list's popup closed or the page became active again, which
// would take away the choice just made.
bool TFip::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui.Filterauswahl && event->type() == QEvent::FocusIn) {
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::MouseFocusReason)
            runGuarded([this] { vmChange(); }, this);
    }
    return Page::eventFilter(watched, event);
}

// The second recommendation and the list of the volume's band.
void TFip::vmChange()
{
    if (ui.vm->text().isEmpty()) {
        ui.vm->undo();  // an emptied box gets its text back
        ui.pmp2->clear();
    } else {
        const Number volume = toNumber(ui.vm->text());
        ui.pmp2->setText(volume < 25 ? recommend400 : volume < 40 ? recommend500 : recommend600);
    }

    const filter::Band &band =
        ui.vm->text().isEmpty() ? filter::lowestBand() : filter::bandFor(toNumber(ui.vm->text()));
    setChoices(ui.Filterauswahl, rowsOf(find<QListWidget>(band.list)));
    // The new list has no choice, so the page shows and charges for no filter either.
    setText(ui.prpmp, QStringLiteral("0,00"));
    ui.Memo1->clear();
    showPictures(m_filterPictures);
    ui.ks->hide();
}

// The chosen filter system: description, price and picture. The page total follows at
// the next change of the electrolysis price and on "&Weiter -->".
void TFip::FilterauswahlChange()
{
    showPictures(m_filterPictures);
    ui.ks->hide();
    const filter::Filter *chosen = lookUp(filter::catalogue, ui.Filterauswahl->currentText());
    if (!chosen)
        return;
    setLines(ui.Memo1, chosen->description());
    setText(ui.prpmp, chosen->price.toString());
    showPictures(m_filterPictures, {find(chosen->picture)}, chosen->name);
    if (chosen == &filter::catalogue[filter::cartridgeRow - 1]) {
        ui.ks->setText(cartridgeWarning);
        ui.ks->show();
    }
}

// The chosen electrolysis unit: description, price (which recomputes the page total)
// and pictures. A text typed into the box is no row of the list.
void TFip::elektroChange()
{
    const filter::Electrolysis *unit = lookUp(filter::electrolysisUnits, pickedRow(ui.elektro));
    ui.elektrotxt->clear();
    if (!unit) {
        setText(ui.wasseraufb, QStringLiteral("0,00"));
        showPictures(m_electrolysisPictures);
        return;
    }
    setLines(ui.elektrotxt, unit->text());
    setText(ui.wasseraufb, unit->price.toString());
    // The remote-control module stands along the top of the unit's picture.
    showPictures(m_electrolysisPictures, unit->wifi ? QList<QWidget *>{ui.hydro, ui.wifi} : QList<QWidget *>{ui.hydro},
                 unit->name);
}

// The page total: the total so far, the filter and the electrolysis unit.
void TFip::Button1Click()
{
    const Number total = toNumber(ui.bele->text()) + toNumber(ui.prpmp->text()) + toNumber(ui.wasseraufb->text());
    setText(ui.bpg, generalText(total));
}

// "<-- &Zurück"
void TFip::Button2Click()
{
    showPage(PageId::TLeitern);
}

// "&Weiter -->"
void TFip::skimClick()
{
    // The total of the ladders page as it stands now: the page may have been brought to
    // the front from behind, without a show or a mouse move over it.
    runningtotal::showPrevious(PageId::TFip, ui.bele);
    click(ui.Button1);
    daten.elektrolyse = ui.elektro->currentText();
    daten.wasseraufbereitungspreis = ui.wasseraufb->text();
    daten.filtertyp = ui.Filterauswahl->currentText();
    runningtotal::handOn(PageId::TFip, ui.bpg->text());
}
