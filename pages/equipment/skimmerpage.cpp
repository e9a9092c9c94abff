#include "skimmerpage.h"

#include "app/catalogue.h"
#include "app/daten.h"
#include "app/errors.h"
#include "app/handlers.h"
#include "app/keyboardmoves.h"
#include "app/look.h"
#include "app/mainmenu.h"
#include "app/menus.h"
#include "app/navigation.h"
#include "app/numbertext.h"
#include "app/runningtotal.h"

#include <QScopedValueRollback>

#include <initializer_list>

using namespace app;
using namespace skimmer;

TSkimmer::TSkimmer() : Page(QStringLiteral("Skimmer"), {790, 514})
{
    ui.setupUi(client());
    installMainMenu(this, {GoTo::Skimmer});
    followKeysWithBackgroundMove(this);
    centreLines(ui.Memo1);

    onClick(ui.ebsk1, [this] { ebsk1Click(); });
    onClick(ui.Bronzeskim, [this] { BronzeskimClick(); });
    addPopupMenu(this, "PopupMenu1", {{"KeinSkim", "Keinen Skimmer auswählen", [this] { KeinSkimClick(); }}},
                 {ui.ebsk1, ui.Bronzeskim});
    for (QAbstractButton *nozzles : std::initializer_list<QAbstractButton *>{ui.zed, ui.ked, ui.bed, ui.wanddurch})
        onClick(nozzles, [this] { zedClick(); });
    onChange(ui.anzed, [this] { anzedChange(); });
    for (QLineEdit *price : {ui.prbele, ui.prsk, ui.ped, ui.gesed, ui.gpr})
        makePriceField(price);
    onClick(ui.Button2, [this] { Button2Click(); });
    onClick(ui.Button1, [this] { Button1Click(); });
}

bool TSkimmer::rectangularPool() const
{
    return daten.beckenform == rectangularShape;
}

bool TSkimmer::cartridgeFilter() const
{
    return daten.filtertyp == cartridgeFilterName;
}

// Every return to the page starts without a skimmer; the nozzles stay as chosen, and the
// wall feed-through follows the pool's shape again.
void TSkimmer::FormActivate()
{
    setChecked(ui.Bronzeskim, false);
    setChecked(ui.ebsk1, false);
    ui.sk1->clear();
    setText(ui.prsk, QStringLiteral("0,00"));
    {
        const QScopedValueRollback keepCount(m_keepCount, true);
        setChecked(ui.wanddurch, false);
    }
    ui.wanddurch->setEnabled(false);
}

void TSkimmer::FormMouseMove(QPoint)
{
    totals();
}

// While the mouse button is held on the page, the pictures show the parts built in.
void TSkimmer::FormMouseDown(QPoint)
{
    ui.skim1->hide();
    ui.zed2->hide();
    ui.bsk2->show();
    ui.ed1->show();
    ui.bsk1->hide();
}

void TSkimmer::FormMouseUp(QPoint)
{
    ui.skim1->show();
    ui.zed2->show();
    ui.bsk2->hide();
    ui.bsk1->hide();
    ui.ed1->hide();
}

void TSkimmer::chooseSkimmer(const Skimmer &chosen, QRadioButton *other)
{
    setChecked(other, false);
    const Offer &offer = rectangularPool() ? chosen.rectangular : chosen.other;
    setLines(ui.sk1, linesOf(offer.lines));
    setText(ui.prsk, offer.price.toString());
    ui.tab->setCurrentWidget(find(chosen.tabPage));
}

void TSkimmer::ebsk1Click()
{
    chooseSkimmer(plasticSkimmer, ui.Bronzeskim);
    ui.skim1->show();
    ui.bsk2->hide();
}

void TSkimmer::BronzeskimClick()
{
    chooseSkimmer(bronzeSkimmer, ui.ebsk1);
}

void TSkimmer::KeinSkimClick()
{
    setChecked(ui.ebsk1, false);
    setChecked(ui.Bronzeskim, false);
    ui.sk1->clear();
    setText(ui.prsk, QStringLiteral("0,00"));
}

// The nozzles, for a click on zed, ked, bed or wanddurch. A change of wanddurch runs
// this handler once more from the start before this run goes on.
void TSkimmer::zedClick()
{
    if (rectangularPool()) {
        setChecked(ui.wanddurch, true);
        ui.wanddurch->setEnabled(false);
    } else {
        setChecked(ui.wanddurch, false);
        ui.wanddurch->setEnabled(true);
    }

    const Nozzle *row = nullptr;
    if (ui.zed->isChecked() && (ui.ked->isChecked() || ui.bed->isChecked()))
        row = &nozzle(ui.ked->isChecked() ? NozzleType::Plastic : NozzleType::Bronze, ui.wanddurch->isChecked());
    if (row) {
        setLines(ui.eed, linesOf(row->lines));
        setText(ui.ped, row->price.toString());
        ui.tabein->setCurrentWidget(find(row->tabPage));
        ui.tabein->show();
        if (row->showsNozzlePicture)
            ui.zed2->show();
    } else {
        ui.eed->clear();
        setText(ui.ped, QStringLiteral("0,00"));
        ui.tabein->hide();
        ui.zed2->hide();
    }

    if (m_keepCount) {
        // The nozzle price may have changed with the pool; the count stays.
        setText(ui.gesed, generalText(toNumber(ui.anz->text()) * toNumber(ui.ped->text())));
    } else if (ui.zed->isChecked()) {
        ui.anzed->setEditText(QStringLiteral("1"));
        ui.anz->setText(QStringLiteral("1"));
    } else if (toNumber(ui.ped->text()) == 0) {
        ui.anz->setText(QStringLiteral("0"));
        ui.anzed->setEditText(QStringLiteral("0"));
        setText(ui.gesed, QStringLiteral("0,00"));
    }
}

// The count is a row of the list: a typed text that names no row is no count.
void TSkimmer::anzedChange()
{
    const QString text = ui.anzed->currentText();
    const int row = ui.anzed->findText(text, Qt::MatchExactly);
    if (row < 0)
        throw conversionError(text);
    const Number count = toNumber(ui.anzed->itemText(row));
    ui.anz->setText(generalText(count));
    setText(ui.gesed, generalText(count * toNumber(ui.ped->text())));
}

// The page total; the nozzles are priced with the count their line states.
void TSkimmer::totals()
{
    runningtotal::showPrevious(PageId::TSkimmer, ui.prbele);
    ui.ksa->setText(daten.skimmermodus);
    ui.Wand_info->setVisible(rectangularPool());
    if (!cartridgeFilter()) {
        ui.Memo1->hide();
        setText(ui.gesed, generalText(toNumber(ui.anz->text()) * toNumber(ui.ped->text())));
        setText(ui.gpr, generalText(toNumber(ui.prbele->text())
                                    + (toNumber(ui.gesed->text()) + toNumber(ui.prsk->text()))));
        daten.summe6 = ui.gpr->text();
        setChoicesEnabled(true);
    } else {
        ui.Memo1->show();
        setText(ui.gpr, ui.prbele->text());
        setChoicesEnabled(false);
    }
}

void TSkimmer::setChoicesEnabled(bool enabled)
{
    for (QWidget *choice : std::initializer_list<QWidget *>{ui.Bronzeskim, ui.ebsk1, ui.zed})
        choice->setEnabled(enabled);
}

// The nozzle line of the quote; a checked box without a nozzle type leaves the line as it was.
QString TSkimmer::nozzleQuoteLine() const
{
    if (!ui.zed->isChecked())
        return noNozzleLine.toString();
    if (!ui.ked->isChecked() && !ui.bed->isChecked())
        return daten.duesenzeile;
    const Nozzle &row = nozzle(ui.ked->isChecked() ? NozzleType::Plastic : NozzleType::Bronze,
                               ui.wanddurch->isChecked());
    return nozzleLine(row, generalText(toNumber(ui.anz->text())));
}

// "&Weiter -->". With the cartridge filter the quote lists neither skimmer nor nozzles,
// which the total leaves out; the choice on the page stays for a later sand filter.
void TSkimmer::Button2Click()
{
    totals();
    if (cartridgeFilter())
        ui.uebgs->setText(noSkimmerLine.toString());
    else if (ui.ebsk1->isChecked())
        ui.uebgs->setText(plasticSkimmer.quoteLine.toString());
    else if (ui.Bronzeskim->isChecked())
        ui.uebgs->setText(bronzeSkimmer.quoteLine.toString());
    else
        ui.uebgs->setText(noSkimmerLine.toString());
    daten.duesenzeile = cartridgeFilter() ? noNozzleLine.toString() : nozzleQuoteLine();
    daten.skimmerzeile = ui.uebgs->text();
    runningtotal::handOn(PageId::TSkimmer, ui.gpr->text());
}

// "<-- &Zurück"
void TSkimmer::Button1Click()
{
    showPage(PageId::Tsolar);
}
