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

bool isTabStop(const QWidget *w)
{
    return (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy();
}

// Controls made of parts (a list's viewport, a combo box's edit) are one stop.
bool isCompound(const QWidget *w)
{
    return qobject_cast<const QAbstractScrollArea *>(w) || qobject_cast<const QComboBox *>(w)
        || qobject_cast<const QAbstractSpinBox *>(w) || qobject_cast<const QLineEdit *>(w);
}

void collect(QWidget *container, QList<QWidget *> &order);

// The pieces of a container in reading order: sorted by their tops, a piece whose
// middle lies within the height of the row's first piece joins that row, and a row
// reads from left to right (pieces one above the other in it from the top).
QList<QWidget *> readingOrder(const QList<QWidget *> &pieces)
{
    QList<QWidget *> byTop = pieces;
    std::stable_sort(byTop.begin(), byTop.end(),
                     [](const QWidget *a, const QWidget *b) { return a->y() < b->y(); });
    QList<QWidget *> order;
    while (!byTop.isEmpty()) {
        const QRect first = byTop.first()->geometry();
        QList<QWidget *> row;
        for (auto it = byTop.begin(); it != byTop.end();) {
            if ((*it)->geometry().center().y() <= first.bottom()) {
                row << *it;
                it = byTop.erase(it);
            } else {
                ++it;
            }
        }
        std::stable_sort(row.begin(), row.end(), [](const QWidget *a, const QWidget *b) {
            return a->x() != b->x() ? a->x() < b->x() : a->y() < b->y();
        });
        order << row;
    }
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
            if (std::any_of(shown.begin(), shown.end(), [t](QTabWidget *o) { return o->isAncestorOf(t); }))
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
