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

#include <utility>

namespace app {

namespace {

const char followsKeys[] = "app_followsKeys";

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

// Whether the key acts on the page rather than type into a field. An Alt combination
// that reaches a control matched no mnemonic (those come as shortcuts): it does nothing.
bool acts(const QKeyEvent *event, const QObject *receiver)
{
    const int key = event->key();
    if (isModifierKey(key) || (event->modifiers() & Qt::AltModifier))
        return false;
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

// The page whose own window a key reached: none for a dialog, a menu or a list's popup,
// which are windows of their own even where a page is their parent.
Page *pageOfKey(QObject *receiver)
{
    auto *widget = qobject_cast<QWidget *>(receiver);
    return widget ? qobject_cast<Page *>(widget->window()) : nullptr;
}

// Watches the keys of the whole application and runs the background move of the page in
// front once the events of a key have been handled: one move for one key.
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
        case QEvent::KeyRelease: {
            const auto *key = static_cast<QKeyEvent *>(event);
            if (key->isAutoRepeat())
                break;
            // A key pressed anew ends the wait for what an earlier one was to lead to.
            if (event->type() == QEvent::KeyPress && watched == QApplication::focusObject())
                forgetAwaited();
            // A button clicks by Space as the key is let go: that release is the key's act.
            const bool releaseActs = key->key() == Qt::Key_Space && qobject_cast<QAbstractButton *>(watched);
            if ((event->type() == QEvent::KeyRelease) == releaseActs && acts(key, watched))
                followKey(pageOfKey(watched));
            break;
        }
        case QEvent::Shortcut: {
            Page *page = pageOfKey(watched);
            if (!page)
                break;
            // A button's mnemonic clicks it a moment later, once its press has shown: the
            // move follows that click.
            auto *button = qobject_cast<QAbstractButton *>(watched);
            if (!button || static_cast<QShortcutEvent *>(event)->isAmbiguous()) {
                followKey(page);
                break;
            }
            forgetAwaited();
            m_awaitedClick = connect(button, &QAbstractButton::clicked, this, [this, page] {
                forgetAwaited();
                followKey(page);
            });
            break;
        }
        case QEvent::MouseButtonPress:
            // The pointer has moved on: the keyboard waits for nothing any more.
            forgetAwaited();
            break;
        case QEvent::WindowActivate:
            // The page the key led to has run its activation: now the pointer crosses it.
            // Another window coming first means it never will for this key.
            if (m_awaitedPage && watched->isWidgetType() && static_cast<QWidget *>(watched)->isWindow()) {
                Page *awaited = m_awaitedPage;
                m_awaitedPage = nullptr;
                if (watched == awaited)
                    followKey(awaited);
            }
            break;
        default:
            break;
        }
        return false;
    }

private:
    explicit KeyboardMoves(QObject *parent) : QObject(parent) { qApp->installEventFilter(this); }

    void forgetAwaited()
    {
        disconnect(std::exchange(m_awaitedClick, {}));
        m_awaitedPage = nullptr;
    }

    // The move runs once the key's events are handled; the events of one key that reach
    // several controls on their way up give one move.
    void followKey(Page *origin)
    {
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
        // Under a dialog, a menu or an open list no pointer reaches the page.
        if (QApplication::activeModalWidget() || QApplication::activePopupWidget())
            return;
        // The key may have led to another page: the pointer is over the page in front.
        Page *page = Page::front();
        if (!page || !page->isVisible())
            page = m_origin;
        if (!page || !page->isVisible() || !page->property(followsKeys).toBool())
            return;
        if (!page->isActiveWindow()) {
            // A page the key has just shown is activated first, as for a mouse user; the
            // page the key was pressed on waits for no activation (a dialog over it has
            // taken the keys since).
            if (page != m_origin)
                m_awaitedPage = page;
            return;
        }
        page->moveOverBackground();
    }

    bool m_pending = false;
    QPointer<Page> m_origin;
    QPointer<Page> m_awaitedPage;
    QMetaObject::Connection m_awaitedClick;
};

} // namespace

void followKeysWithBackgroundMove(Page *page)
{
    page->setProperty(followsKeys, true);
    KeyboardMoves::instance();
}

} // namespace app
