#include "solarsizingpage.h"

#include "heatingtables.h"

#include "app/catalogue.h"
#include "app/daten.h"
#include "app/handlers.h"
#include "app/mainmenu.h"
#include "app/navigation.h"

#include <QAction>
#include <QEvent>
#include <QMenuBar>
#include <QSignalBlocker>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <limits>
#include <optional>

using namespace app;

namespace {

constexpr Number pi = 3.141592654L;

// The results show single-precision values. One too large for that is an error of the
// measure that made it so, the largest of those it comes from, and no field changes.
void requireShowable(Number result, std::initializer_list<const QLineEdit *> measures)
{
    if (std::isfinite(result) && std::fabs(result) <= std::numeric_limits<float>::max())
        return;
    const QLineEdit *cause = *std::max_element(measures.begin(), measures.end(), [](auto *x, auto *y) {
        return std::fabs(toNumber(x->text())) < std::fabs(toNumber(y->text()));
    });
    throw conversionError(cause->text());
}

// From 1000 on the results show a thousands point; the page reads its own results
// without it, so that a large pool computes like a small one.
Number readShown(const QString &text)
{
    return toNumber(QString(text).remove(u'.'));
}

// The results show four significant digits of their single-precision value with two
// decimals (19,6349540875 shows 19,63).
QString displayed(const QString &text)
{
    return numberText(float(readShown(text)), 4, 2);
}

// A surface as its field shows it and the page reads it back.
Number shownValue(Number surface)
{
    return readShown(displayed(generalText(surface)));
}

} // namespace

Tsber::Tsber() : Page(QStringLiteral("Zezurara Berechnung"), {790, 514})
{
    ui.setupUi(client());
    installMainMenu(this, {GoTo::ZezuraraBerechnung});
    // This page's "&Datei" entry is "Zurück", which does what the panel does.
    QAction *back = menuBar()->findChild<QAction *>(QStringLiteral("Beenden1"));
    back->setText(QStringLiteral("Zurück"));
    back->setObjectName(QStringLiteral("Zurck1"));
    // "Zezurara Berechnung" is this page itself and does nothing here.
    QAction *self = goToEntry(this, GoTo::ZezuraraBerechnung);
    rebind(self, [self] { self->setChecked(true); });

    m_shapes = {ui.r, ui.a, ui.o, ui.rb};
    onClick(ui.r, [this] { rClick(); });
    for (QCheckBox *shape : {ui.a, ui.o, ui.rb})
        onClick(shape, [this, shape] { shapeClick(shape); });
    for (QLineEdit *dimension : {ui.b, ui.l, ui.h})
        onChange(dimension, [this, dimension] { dimensionChange(dimension); });
    ui.h->installEventFilter(this);
    for (const heating::AbsorberArea &size : heating::absorberAreas)
        onClick(find<QRadioButton>(size.button), [this] { click(ui.Button1); });
    onClick(ui.Panel4, [this] { Panel4Click(); });
    onChange(ui.anzdd, [this] { anzddChange(); });
    onChange(ui.v, [this] { vChange(); });
    onChange(ui.f, [this] { displayFormat(ui.f); });
    onChange(ui.ab, [this] { displayFormat(ui.ab); });
    onClick(ui.Panel3, [this] { Panel3Click(); });
    rebind(back, [this] { Panel3Click(); });
    onClick(ui.Button1, [this] { Button1Click(); });

    clickableByKeyboard(ui.Panel4);
    clickableByKeyboard(ui.Panel3);
}

// The pool configured in the walk, for comparison; the fields are the user's own.
void Tsber::FormActivate()
{
    setLines(ui.becken, {daten.beckenform + QStringLiteral(" ") + daten.beckengroesse + QStringLiteral(" Höhe:")
                         + daten.beckenhoehe + QStringLiteral("m")});
}

bool Tsber::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui.h) {
        if (event->type() == QEvent::FocusIn)
            hEnter();
        else if (event->type() == QEvent::FocusOut)
            hExit();
    }
    return Page::eventFilter(watched, event);
}

// The round pool is measured by its diameter and has no width.
void Tsber::rClick()
{
    const bool round = ui.r->isChecked();
    ui.Panel1->setText(round ? QStringLiteral("Durchmesser") : QStringLiteral("Länge"));
    for (QWidget *width : {static_cast<QWidget *>(ui.Panel2), static_cast<QWidget *>(ui.Label6),
                           static_cast<QWidget *>(ui.b)})
        width->setVisible(!round);
    shapeClick(ui.r);
}

// One shape at a time: checking a box clears the others (and runs their handlers).
void Tsber::shapeClick(QCheckBox *shape)
{
    if (!shape->isChecked())
        return;
    for (QCheckBox *other : m_shapes)
        if (other != shape)
            setChecked(other, false);
}

// A measure the user empties comes back as it was. Round and rectangular pools are
// computed once length and depth are given; the oval shapes at every keystroke.
void Tsber::dimensionChange(QLineEdit *dimension)
{
    if (dimension->text().isEmpty()) {
        const QSignalBlocker restoring(dimension);  // the text that comes back is no new input
        dimension->undo();
        return;
    }
    if (ui.o->isChecked() || ui.a->isChecked()
        || ((ui.r->isChecked() || ui.rb->isChecked()) && toNumber(ui.l->text()) > 0 && toNumber(ui.h->text()) > 0))
        click(ui.Button1);
}

void Tsber::hEnter()
{
    ui.hinweis->show();
}

void Tsber::hExit()
{
    ui.hinweis->hide();
}

void Tsber::anzddChange()
{
    setText(ui.anz, generalText(toNumber(chosenRow(ui.anzdd))));
    click(ui.Button1);
}

void Tsber::vChange()
{
    if (ui.v->text().isEmpty())
        setText(ui.v, QStringLiteral("0"));
    displayFormat(ui.v);
}

void Tsber::displayFormat(QLineEdit *result)
{
    setText(result, displayed(result->text()));
    result->setCursorPosition(0);  // a result wider than its field shows its leading digits
}

Number Tsber::absorberArea() const
{
    for (const heating::AbsorberArea &size : heating::absorberAreas)
        if (find<QRadioButton>(size.button)->isChecked())
            return size.area;
    return 0;
}

void Tsber::Panel4Click()
{
    click(ui.Button1);
}

// "Zurück": back to the water-heating page; this page closes.
void Tsber::Panel3Click()
{
    closePage(PageId::Tsber);
    showPage(PageId::Tsolar);
}

// The surface of the chosen shape, the volume, and the absorbers against the surface as
// it is shown. Without a shape the surface keeps what it shows.
void Tsber::Button1Click()
{
    std::optional<Number> surface;
    if (ui.r->isChecked()) {
        const Number diameter = toNumber(ui.l->text());
        surface = diameter * diameter / 4 * pi;
        requireShowable(*surface, {ui.l});
    } else if (ui.a->isChecked() || ui.o->isChecked()) {
        // A rectangle of length l - b between two half circles of diameter b.
        const Number b = toNumber(ui.b->text());
        const Number l = toNumber(ui.l->text());
        surface = b * (l - b) + b * b * pi / 4;
        requireShowable(*surface, {ui.b, ui.l});
    } else if (ui.rb->isChecked()) {
        const Number b = toNumber(ui.b->text());
        surface = b * toNumber(ui.l->text());
        requireShowable(*surface, {ui.b, ui.l});
    }
    // A volume too large to show fails before the surface changes. A depth that is no
    // number fails after it, as the volume is computed from the surface shown.
    if (const auto depth = readNumber(ui.h->text()); surface && depth) {
        const QLineEdit *width = ui.r->isChecked() ? ui.l : ui.b;
        requireShowable(shownValue(*surface) * *depth, {width, ui.l, ui.h});
    }
    if (surface)
        setText(ui.f, generalText(*surface));
    const Number volume = readShown(ui.f->text()) * toNumber(ui.h->text());
    requireShowable(volume, {ui.h});
    setText(ui.v, generalText(volume));
    const Number shownSurface = readShown(ui.f->text());
    if (shownSurface > 0) {
        const Number absorbers = toNumber(ui.anz->text()) * absorberArea();
        setText(ui.ab, generalText(absorbers * 100 / shownSurface));
        setText(ui.bof, generalText(absorbers));
    }
}
