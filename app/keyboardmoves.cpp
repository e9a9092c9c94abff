#include "keyboardmoves.h"

#include "page.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QShortcutEvent>
#include <QTextEdit>

namespace app {

namespace {

const char followsKeys[] = "app_followsKeys";

Page *pageOfObject(QObject *object)
{
    for (QObject *o = object; o; o = o->parent())
        if (auto *page = qobject_cast<Page *>(o))
            return page;
    return nullptr;
}

// A control that keys type text into.
bool takesText(const QObject *object)
{
    if (const auto *edit = qobject_cast<const QLineEdit *>(object))
        return !edit->isReadOnly();
    if (const auto *combo = qobject_cast<const QComboBox *>(object))
        return combo->isEditable();
    if (const auto *edit = qobject_cast<const QPlainTextEdit *>(object))
        return !edit->isReadOnly();
    if (const auto *edit = qobject_cast<const QTextEdit *>(object))
        return !edit->isReadOnly();
    return qobject_cast<const QAbstractSpinBox *>(object);
}

bool isModifierKey(int key)
{
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
        return true;
    default:
        return false;
    }
}

// Whether the key acts on the page rather than type into a field.
bool acts(const QKeyEvent *event, const QObject *receiver)
{
    const int key = event->key();
    if (isModifierKey(key))
        return false;
    if (event->modifiers() & Qt::AltModifier)
        return true;
    switch (key) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return true;
    default:
        break;
    }
    if (!takesText(receiver))
        return true;  // buttons, boxes and lists: arrows, Space, and letters that pick a row
    // In a typed list the arrows still pick a row.
    const auto *combo = qobject_cast<const QComboBox *>(receiver);
    return combo && (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp || key == Qt::Key_PageDown);
}

// Watches the keys of the whole application and runs the background move of the page in
// front once the events of a key have been handled.
class KeyboardMoves : public QObject
{
public:
    static KeyboardMoves &instance()
    {
        static auto *moves = new KeyboardMoves(qApp);
        return *moves;
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:  // Space clicks a button when it is let go
            if (acts(static_cast<QKeyEvent *>(event), watched))
                followKey(watched);
            break;
        case QEvent::Shortcut:
            followKey(watched);
            // A button's mnemonic clicks it a moment later, when its press has shown.
            if (auto *button = qobject_cast<QAbstractButton *>(watched);
                button && !static_cast<QShortcutEvent *>(event)->isAmbiguous()) {
                connect(button, &QAbstractButton::clicked, this, [this, button] { followKey(button); },
                        Qt::SingleShotConnection);
            }
            break;
        case QEvent::WindowActivate:
            // The page the key led to has run its activation: now the pointer crosses it.
            if (watched == m_awaitedPage) {
                m_awaitedPage = nullptr;
                followKey(watched);
            }
            break;
        default:
            break;
        }
        return false;
    }

private:
    explicit KeyboardMoves(QObject *parent) : QObject(parent) { qApp->installEventFilter(this); }

    void followKey(QObject *receiver)
    {
        Page *origin = pageOfObject(receiver);
        if (!origin)
            return;
        m_origin = origin;
        if (m_pending)
            return;
        m_pending = true;
        QMetaObject::invokeMethod(this, [this] { move(); }, Qt::QueuedConnection);
    }

    void move()
    {
        m_pending = false;
        // The key may have led to another page: the pointer is over the page in front.
        Page *page = Page::front();
        if (!page || !page->isVisible())
            page = m_origin;
        // Under a dialog no pointer reaches the page.
        if (!page || !page->isVisible() || !page->property(followsKeys).toBool() || QApplication::activeModalWidget())
            return;
        // A page just shown is activated first, as for a mouse user.
        if (!page->isActiveWindow()) {
            m_awaitedPage = page;
            return;
        }
        page->moveOverBackground();
    }

    bool m_pending = false;
    QPointer<Page> m_origin;
    QPointer<Page> m_awaitedPage;
};

} // namespace

void followKeysWithBackgroundMove(Page *page)
{
    page->setProperty(followsKeys, true);
    KeyboardMoves::instance();
}

} // namespace app
