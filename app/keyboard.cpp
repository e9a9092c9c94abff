#include "keyboard.h"

#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QWidget>

#include <algorithm>

namespace app {

namespace {

// A widget that hands its focus to one of its own parts (a notebook to its tab row) is
// a stop; one that hands it elsewhere (a list box's edit to the box) is not.
bool isTabStop(const QWidget *w)
{
    return (w->focusPolicy() & Qt::TabFocus) && (!w->focusProxy() || w->isAncestorOf(w->focusProxy()));
}

// Controls made of parts (a list's viewport, a combo box's edit, a notebook's tab row and
// pages) are one stop; Qt orders their parts.
bool isCompound(const QWidget *w)
{
    return qobject_cast<const QAbstractScrollArea *>(w) || qobject_cast<const QComboBox *>(w)
        || qobject_cast<const QTabWidget *>(w)
        || qobject_cast<const QAbstractSpinBox *>(w) || qobject_cast<const QLineEdit *>(w);
}

// Pieces that overlap by no more than this are still read one after the other.
constexpr int touching = 6;

// Splits pieces into bands along one axis: a band ends where no piece reaches across.
QList<QList<QWidget *>> bands(QList<QWidget *> pieces, bool across)
{
    auto start = [across](const QWidget *w) { return across ? w->x() : w->y(); };
    auto end = [across](const QWidget *w) { return across ? w->x() + w->width() : w->y() + w->height(); };
    std::stable_sort(pieces.begin(), pieces.end(),
                     [&](const QWidget *a, const QWidget *b) { return start(a) < start(b); });
    QList<QList<QWidget *>> result;
    int reach = 0;
    for (QWidget *w : pieces) {
        if (result.isEmpty() || start(w) > reach - touching) {
            result.append(QList<QWidget *>());
            reach = end(w);
        }
        result.last() << w;
        reach = std::max(reach, end(w));
    }
    return result;
}

// The pieces of a container in reading order: rows from top to bottom; a row whose
// pieces stand in columns (a picture beside a stack of controls) reads column by column,
// each column again by its rows.
QList<QWidget *> readingOrder(const QList<QWidget *> &pieces)
{
    if (pieces.size() < 2)
        return pieces;
    for (bool across : {false, true}) {
        const QList<QList<QWidget *>> parts = bands(pieces, across);
        if (parts.size() > 1) {
            QList<QWidget *> order;
            for (const QList<QWidget *> &part : parts)
                order << readingOrder(part);
            return order;
        }
    }
    // Interlocked pieces: by their top left corners.
    QList<QWidget *> order = pieces;
    std::stable_sort(order.begin(), order.end(), [](const QWidget *a, const QWidget *b) {
        return a->y() != b->y() ? a->y() < b->y() : a->x() < b->x();
    });
    return order;
}

bool holdsTabStops(const QWidget *w)
{
    if (isTabStop(w))
        return true;
    if (isCompound(w))
        return false;
    for (const QWidget *child : w->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (!child->isWindow() && holdsTabStops(child))
            return true;
    return false;
}

void collect(QWidget *container, QList<QWidget *> &order)
{
    QList<QWidget *> pieces;
    for (QWidget *child : container->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (!child->isWindow() && holdsTabStops(child))
            pieces << child;
    for (QWidget *piece : readingOrder(pieces)) {
        if (isTabStop(piece))
            order << piece;
        if (!isCompound(piece))
            collect(piece, order);
    }
}

} // namespace

void orderTabStops(QWidget *form)
{
    QList<QWidget *> order;
    collect(form, order);
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

bool turnNotebook(QWidget *form, bool forward)
{
    QTabWidget *notebook = nullptr;
    for (QWidget *w = QApplication::focusWidget(); w && w != form && !notebook; w = w->parentWidget())
        notebook = qobject_cast<QTabWidget *>(w);
    if (!notebook || !form->isAncestorOf(notebook)) {
        notebook = nullptr;
        QList<QTabWidget *> shown;
        for (QTabWidget *t : form->findChildren<QTabWidget *>())
            if (t->isVisible() && t->count() > 1)
                shown << t;
        // The outermost notebook nearest the top left; one on another's page comes after it.
        auto place = [form](QWidget *w) { return w->mapTo(form, QPoint()); };
        for (QTabWidget *t : shown) {
            if (std::any_of(shown.begin(), shown.end(), [t](QTabWidget *o) { return o != t && o->isAncestorOf(t); }))
                continue;
            if (!notebook || place(t).y() < place(notebook).y()
                || (place(t).y() == place(notebook).y() && place(t).x() < place(notebook).x()))
                notebook = t;
        }
    }
    if (!notebook || notebook->count() < 2)
        return false;
    const int count = notebook->count();
    int index = notebook->currentIndex();
    for (int step = 0; step < count; ++step) {
        index = (index + (forward ? 1 : count - 1)) % count;
        if (notebook->isTabEnabled(index)) {
            notebook->setCurrentIndex(index);
            break;
        }
    }
    return true;
}

} // namespace app
