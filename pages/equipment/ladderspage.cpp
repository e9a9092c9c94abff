#include "ladderspage.h"

#include "app/catalogue.h"
#include "app/daten.h"
#include "app/handlers.h"
#include "app/keyboardmoves.h"
#include "app/mainmenu.h"
#include "app/navigation.h"
#include "app/numbertext.h"
#include "app/picturebox.h"
#include "app/runningtotal.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

using namespace app;
using ladders::Installation;

namespace {
const QColor maroon(128, 0, 0);
const QColor yellow(255, 255, 0);
} // namespace

TLeitern::TLeitern() : Page(QStringLiteral("Leiterauswahl"), {792, 514})
{
    ui.setupUi(client());
    installMainMenu(this, {GoTo::Leiterauswahl});
    followKeysWithBackgroundMove(this);
    setLines(ui.Memo2, ladders::hingeNote);
    for (PictureBox *picture : client()->findChildren<PictureBox *>(Qt::FindDirectChildrenOnly))
        m_pictures.insert(picture->objectName(), picture);
    m_pageFonts << SteppedFont(client());
    for (QWidget *control : client()->findChildren<QWidget *>())
        if (qobject_cast<QLabel *>(control) || qobject_cast<QAbstractButton *>(control) || qobject_cast<QLineEdit *>(control)
            || qobject_cast<QComboBox *>(control) || qobject_cast<QPlainTextEdit *>(control))
            m_pageFonts << SteppedFont(control);

    for (QLineEdit *field : {ui.prl, ui.lp, ui.lg, ui.gp})
        makePriceField(field);
    onClick(ui.neing, [this] { neingClick(); });
    onClick(ui.heing, [this] { heingClick(); });
    onClick(ui.eing, [this] { eingClick(); });
    onChange(ui.Leiterauswahl, [this] { LeiterauswahlChange(); });
    onClick(ui.leitergelenk, [this] { leitergelenkClick(); });
    onClick(ui.Button1, [this] { Button1Click(); });
    onClick(ui.Button2, [this] { Button2Click(); });
}

// The wall height, the total so far and the shape of the pool, as the store holds them.
void TLeitern::readStore()
{
    setText(ui.bh, daten.beckenhoehe);
    runningtotal::showPrevious(PageId::TLeitern, ui.prl);
    setText(ui.form, daten.beckenform);
}

void TLeitern::FormShow()
{
    readStore();
}

// A ladder is chosen anew on every visit. The choice goes with the list, so that the
// quote never names a ladder whose price has left the total.
void TLeitern::FormActivate()
{
    for (QRadioButton *installation : {ui.eing, ui.heing, ui.neing})
        setChecked(installation, false);
    ui.Leiterauswahl->hide();
    ui.Leiterauswahl->setCurrentIndex(-1);
    ui.Memo1->hide();
    setText(ui.lp, QStringLiteral("0,00"));
    showLadderPictures(nullptr);
}

void TLeitern::FormMouseMove(QPoint)
{
    readStore();

    // Steel-walled oval pools and rectangular pools are only ever sunk into the ground.
    const QString shape = ui.form->text();
    if (shape == u"Ovalformbecken" || shape == u"Rechteckbecken") {
        setTextColour(ui.Label4, yellow);
        ui.Label4->setText(shape == u"Ovalformbecken"
                               ? QStringLiteral("Dieses Stahlwandovalbecken ist nicht Aufstellbar oder Halbeinzulassen !")
                               : QStringLiteral("Diese Beckenart ist nicht Aufstellbar oder Halbeinzulassen !"));
        ui.heing->setEnabled(false);
        ui.neing->setEnabled(false);
        setChecked(ui.eing, true);
    } else if (shape == u"Achtformbecken" || shape == u"Rundbecken") {
        setTextColour(ui.Label4, maroon);
        ui.Label4->setText(QStringLiteral("Zuerst Aufbauart, danach Leitertyp auswählen !"));
        ui.heing->setEnabled(true);
        ui.neing->setEnabled(true);
    }

    setText(ui.bh, daten.beckenhoehe);
    runningtotal::showPrevious(PageId::TLeitern, ui.prl);

    // The prices show once a ladder with a price was chosen, and stay.
    if (toNumber(ui.lp->text()) > 0)
        for (QWidget *w : QList<QWidget *>{ui.Label8, ui.Label2, ui.dmlp, ui.dmgp, ui.lp, ui.gp})
            w->show();

    daten.leitertyp = ui.Leiterauswahl->currentText();
    computeTotal();
}

void TLeitern::neingClick()
{
    offerLadders(Installation::FreeStanding);
}

void TLeitern::heingClick()
{
    offerLadders(Installation::HalfSunk);
}

void TLeitern::eingClick()
{
    offerLadders(Installation::InGround);
}

// A new installation type starts the ladder choice over; the hinge is offered for
// in-ground ladders only.
void TLeitern::offerLadders(Installation installation)
{
    ui.Leiterauswahl->show();
    ui.Memo1->show();
    ui.Leiterauswahl->clear();
    setChecked(ui.leitergelenk, false);
    ui.leitergelenk->setVisible(installation == Installation::InGround);
    ui.Memo1->clear();
    setText(ui.lp, QStringLiteral("0,00"));
    showLadderPictures(nullptr);

    QStringList names;
    const auto offered = ladders::offered(installation, toNumber(ui.bh->text()), ui.form->text() == u"Rechteckbecken");
    for (const ladders::Ladder *ladder : offered)
        names << ladder->name.toString();
    setChoices(ui.Leiterauswahl, names);
}

void TLeitern::LeiterauswahlChange()
{
    // Every new ladder starts without the hinge.
    ui.leitergelenk->setVisible(ui.eing->isChecked());
    setChecked(ui.leitergelenk, false);

    const ladders::Ladder *ladder = ladders::find(ui.Leiterauswahl->currentText());
    if (!ladder)
        return;
    setLines(ui.Memo1, ladder->descriptionLines());
    setText(ui.lp, ladder->price.toString());
    showLadderPictures(ladder);
    if (ladder->noHinge) {
        ui.leitergelenk->hide();
        setChecked(ui.leitergelenk, false);
    }
}

void TLeitern::leitergelenkClick()
{
    const bool chosen = ui.leitergelenk->isChecked();
    for (QWidget *w : QList<QWidget *>{ui.Label3, ui.lg, ui.Memo2, ui.gelenk_image})
        w->setVisible(chosen);
    setText(ui.lg, chosen ? ladders::hingePrice.toString() : QStringLiteral("0,00"));
}

// Hides every ladder picture, then shows the chosen ladder's.
void TLeitern::showLadderPictures(const ladders::Ladder *ladder)
{
    QList<QWidget *> chosen;
    if (ladder)
        for (const char *name : ladder->pictures)
            if (name)
                chosen << m_pictures.value(QLatin1String(name));
    showPictures(m_pictures.values(), chosen, ladder ? ladder->name : QStringView());
}

// The page total: the total so far, the ladder and the hinge.
void TLeitern::computeTotal()
{
    setText(ui.gp, generalText((toNumber(ui.prl->text()) + toNumber(ui.lp->text())) + toNumber(ui.lg->text())));
}

// "&Weiter -->"
void TLeitern::Button1Click()
{
    runningtotal::showPrevious(PageId::TLeitern, ui.prl);
    daten.leitertyp = ui.Leiterauswahl->currentText();
    computeTotal();
    runningtotal::handOn(PageId::TLeitern, ui.gp->text());
}

// "<-- &Zurück"
void TLeitern::Button2Click()
{
    showPage(PageId::Tabdeckung);
}

void TLeitern::fontStep(int points)
{
    for (SteppedFont &font : m_pageFonts)
        font.step(points);
}
