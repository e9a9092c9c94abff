#include "keyboard.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QWidget>

#include <algorithm>

namespace app {

namespace {

class DesktopKeys : public QObject
{
protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        // Alt combinations that matched a mnemonic came as shortcuts; what reaches a control
        // here is a slip of the finger, not text (AltGr characters carry no Alt). An open
        // menu takes Alt with its entries' letters as it takes the letters alone.
        if ((key->modifiers() & Qt::AltModifier) && !(key->modifiers() & Qt::ControlModifier)
            && !key->text().isEmpty() && key->text().front().isPrint() && !qobject_cast<QMenu *>(watched)
            && !qobject_cast<QMenuBar *>(watched))
            return true;
        auto *button = qobject_cast<QAbstractButton *>(watched);
        if (!button)
            return false;
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (key->isAutoRepeat())
            return enter || key->key() == Qt::Key_Space || key->key() == Qt::Key_Select;
        // Enter presses the button that has the focus, as Space does; Qt's buttons take it
        // only in dialogs.
        auto *push = qobject_cast<QPushButton *>(button);
        if (enter && push && !push->autoDefault() && !(key->modifiers() & ~Qt::KeypadModifier)) {
            push->click();
            return true;
        }
        return false;
    }
};

} // namespace

void keepDesktopKeys()
{
    static auto *keys = new DesktopKeys;
    qApp->installEventFilter(keys);
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
