#include "coverspage.h"

#include "app/catalogue.h"
#include "app/handlers.h"
#include "app/keyboardmoves.h"
#include "app/mainmenu.h"
#include "app/navigation.h"
#include "app/numbertext.h"
#include "app/runningtotal.h"
#include "app/textresource.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>

using namespace app;
using covers::Cover;

namespace {

// Pixels the descriptions grow and the pictures move per font step.
constexpr int stepPixels = 5;

} // namespace

Tabdeckung::Tabdeckung() : Page(QStringLiteral("Schwimmbadabdeckungen"), {790, 514})
{
    ui.setupUi(client());
    installMainMenu(this, {GoTo::Schwimmbadabdeckungen});
    followKeysWithBackgroundMove(this);

    m_safeTop = coverControls(Cover::SafeTop, ui.safetop, ui.safetoppreis, ui.safetop_txt,
                              {ui.safetopBMP, ui.safetopBMP_2}, &QuoteStore::abdeckung1,
                              QStringLiteral("Sicherheits-Schwimmbadabdeckung SafeTop "), "safetop.txt");
    m_cabrio = coverControls(Cover::CabrioDome, ui.cabrio, ui.cabrio_preis, ui.cabrio_txt,
                             {ui.cabrioBMP, ui.cabriobmp_2}, &QuoteStore::abdeckung3, QStringLiteral("Cabrio Dome "),
                             "cabriodome.txt");
    m_lupo = coverControls(Cover::Lupo, ui.Lupo, ui.Lupo_Preis, ui.lupo_txt, {ui.LupoBMP, ui.LupoBMP_2},
                           &QuoteStore::abdeckung2, QStringLiteral("Schwimmbad Solarabdeckung Lupo "),
                           "lupo.txt");

    for (QLineEdit *field : {ui.Preisvonbecken, ui.safetoppreis, ui.cabrio_preis, ui.Lupo_Preis, ui.gpabdeck})
        makePriceField(field);
    onClick(ui.safetop, [this] { safetopClick(); });
    onClick(ui.cabrio, [this] { cabrioClick(); });
    onClick(ui.Lupo, [this] { LupoClick(); });
    onClick(ui.Button1, [this] { Button1Click(); });
    onMouseMove(ui.Button1, [this](QPoint) { Button1MouseMove(); });
    onClick(ui.Button2, [this] { Button2Click(); });
}

Tabdeckung::CoverControls Tabdeckung::coverControls(Cover cover, QCheckBox *box, QLineEdit *price,
                                                    QPlainTextEdit *description, std::array<QWidget *, 2> pictures,
                                                    QString QuoteStore::*line, const QString &linePrefix,
                                                    const char *descriptionFile)
{
    setLines(description, textResourceLines(QStringLiteral(":/pages/equipment/") + QLatin1String(descriptionFile)));
    CoverControls c;
    c.cover = cover;
    c.box = box;
    c.price = price;
    c.description = description;
    c.pictures = pictures;
    c.line = line;
    c.linePrefix = linePrefix;
    c.boxFont = SteppedFont(box);
    c.descriptionFont = SteppedFont(description);
    c.descriptionHome = description->geometry();
    c.picturesHome = {pictures[0]->pos(), pictures[1]->pos()};
    return c;
}

void Tabdeckung::FormActivate()
{
    runningtotal::showPrevious(PageId::Tabdeckung, ui.Preisvonbecken);
    ui.form->setText(daten.beckenform);
    ui.beckengroesse->setText(daten.beckengroesse);

    setWindowTitle(QStringLiteral("Schwimmbadabdeckung für ") + daten.beckenform + u' ' + daten.beckengroesse);

    // Neither the SafeTop® nor the Cabrio Dome is made for rectangular pools.
    if (ui.form->text() == u"Rechteckbecken") {
        setChecked(ui.safetop, false);
        ui.safetop->setEnabled(false);
        setText(ui.safetoppreis, QStringLiteral("0,00"));
        ui.safetop_info->show();
        setChecked(ui.cabrio, false);
        ui.cabrio->setEnabled(false);
        ui.Cabrio_Info->show();
    } else {
        ui.safetop->setEnabled(true);
        ui.safetop_info->hide();
        ui.cabrio->setEnabled(true);
        ui.Cabrio_Info->hide();
    }

    // The pool may have changed since the covers were chosen: their click handlers price
    // them again for the current size.
    for (const CoverControls *c : {&m_safeTop, &m_lupo, &m_cabrio}) {
        if (c->box->isChecked()) {
            setChecked(c->box, false);
            setChecked(c->box, true);
        } else {
            setText(c->price, QStringLiteral("0,00"));
        }
    }

    if (toNumber(ui.cabrio_preis->text()) > 0)
        ui.Cabrio_Info->hide();
}

void Tabdeckung::FormMouseMove(QPoint)
{
    computeTotal();
}

// The cover's price for the pool's size text into its price field; false where the
// cover is not made for that size.
bool Tabdeckung::lookUpPrice(const CoverControls &c)
{
    const QStringView price = covers::priceFor(c.cover, ui.beckengroesse->text());
    if (price.isEmpty())
        return false;
    setText(c.price, price.toString());
    return true;
}

// A chosen cover shows its pictures and description; an unchosen one costs nothing.
void Tabdeckung::showChoice(const CoverControls &c)
{
    const bool chosen = c.box->isChecked();
    for (QWidget *picture : c.pictures)
        picture->setVisible(chosen);
    c.description->setVisible(chosen);
    if (!chosen)
        setText(c.price, QStringLiteral("0,00"));
}

// Unchecking a refused cover runs its click handler once more, which hides its pictures
// and description and zeroes its price.
void Tabdeckung::safetopClick()
{
    if (!lookUpPrice(m_safeTop)) {
        ui.safetop->setEnabled(false);
        setChecked(ui.safetop, false);
        ui.safetop_info->show();
    }
    showChoice(m_safeTop);
}

void Tabdeckung::cabrioClick()
{
    if (!lookUpPrice(m_cabrio)) {
        ui.Cabrio_Info->show();
        setText(ui.cabrio_preis, QStringLiteral("0,00"));
        ui.cabrio->setEnabled(false);
        setChecked(ui.cabrio, false);
    }
    showChoice(m_cabrio);
}

// A size without a Lupo price costs nothing, and the box stays as it is.
void Tabdeckung::LupoClick()
{
    if (!lookUpPrice(m_lupo))
        setText(ui.Lupo_Preis, QStringLiteral("0,00"));
    showChoice(m_lupo);
}

// The running total: the three covers and the pool, added in this order.
void Tabdeckung::computeTotal()
{
    const Number total = toNumber(ui.safetoppreis->text()) + toNumber(ui.Lupo_Preis->text())
        + toNumber(ui.cabrio_preis->text()) + toNumber(ui.Preisvonbecken->text());
    setText(ui.gpabdeck, generalText(total));
}

// A chosen cover's quote line is its name and price; an unchosen cover's line is empty.
void Tabdeckung::storeCoverLines()
{
    for (const CoverControls *c : {&m_safeTop, &m_lupo, &m_cabrio})
        daten.*c->line = c->box->isChecked() ? c->linePrefix + c->price->text() : QString();
}

// "&Weiter -->"
void Tabdeckung::Button1Click()
{
    storeCoverLines();
    computeTotal();
    runningtotal::handOn(PageId::Tabdeckung, ui.gpabdeck->text());
}

// The cover lines follow the mouse onto "&Weiter -->", before it is pressed.
void Tabdeckung::Button1MouseMove()
{
    storeCoverLines();
}

// "<-- &Zurück"
void Tabdeckung::Button2Click()
{
    showOpenPoolPage();
}

void Tabdeckung::fontStep(int points)
{
    m_steps += points;
    const int shift = stepPixels * m_steps;
    for (CoverControls *c : {&m_safeTop, &m_cabrio, &m_lupo}) {
        c->boxFont.step(points);
        c->descriptionFont.step(points);
        c->description->resize(qMax(0, c->descriptionHome.width() + shift), c->descriptionHome.height());
        for (std::size_t i = 0; i < c->pictures.size(); ++i)
            c->pictures[i]->move(c->picturesHome[i] + QPoint(shift, 0));
    }
}
