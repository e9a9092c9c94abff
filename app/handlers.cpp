#include "handlers.h"

#include "accessibility.h"
#include "dialogs.h"
#include "errors.h"
#include "navigation.h"
#include "numbertext.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QTimer>

#include <utility>

namespace app {

namespace {

// The handlers of one control, kept as a child of the control.
class Hooks : public QObject
{
public:
    explicit Hooks(QWidget *widget) : QObject(widget), m_widget(widget)
    {
        setObjectName(QStringLiteral("app_hooks"));
        widget->installEventFilter(this);
    }

    static Hooks *of(QWidget *widget)
    {
        if (auto *h = widget->findChild<Hooks *>(QStringLiteral("app_hooks"), Qt::FindDirectChildrenOnly))
            return h;
        return new Hooks(widget);
    }

    Handler click, doubleClick, change, enter, leave, focusShow, focusHide;
    MouseHandler move, down, up;
    QMenu *popup = nullptr;
    bool connected = false;  // the control's own signal leads here once, whatever the handler
    bool keyboardClicks = false;  // Enter and Space click a control that is no button

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != m_widget)
            return false;
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
                m_pressed = true;
                fire(down, event);
            }
            break;
        case QEvent::MouseButtonRelease:
            if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
                const bool clicked = m_pressed
                    && m_widget->rect().contains(static_cast<QMouseEvent *>(event)->position().toPoint());
                m_pressed = false;
                fire(up, event);
                // Buttons report their clicks through their own signal.
                if (clicked && click && !qobject_cast<QAbstractButton *>(m_widget))
                    runGuarded(click, m_widget);
            }
            break;
        case QEvent::MouseButtonDblClick:
            // The second press of a double click is no click of its own.
            if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
                fire(down, event);
                if (doubleClick)
                    runGuarded(doubleClick, m_widget);
            }
            break;
        case QEvent::MouseMove:
            fire(move, event);
            break;
        case QEvent::KeyPress: {
            const auto *key = static_cast<QKeyEvent *>(event);
            const bool plain = !(key->modifiers() & ~Qt::KeypadModifier);
            if (keyboardClicks && click && plain
                && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || key->key() == Qt::Key_Space)) {
                // A key held down clicks once, as a mouse button held down does.
                if (!key->isAutoRepeat())
                    runGuarded(click, m_widget);
                return true;
            }
            if (keyboardClicks && doubleClick && plain && key->key() == Qt::Key_Escape) {
                if (!key->isAutoRepeat())
                    runGuarded(doubleClick, m_widget);
                return true;
            }
            if (popup && ((key->key() == Qt::Key_Menu && plain)
                          || (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier))) {
                openPopup();
                return true;
            }
            break;
        }
        case QEvent::ContextMenu:
            // The Menu key is answered above; some platforms send a context-menu event
            // for it as well, at the mouse pointer, which would open the menu twice.
            if (popup && static_cast<QContextMenuEvent *>(event)->reason() == QContextMenuEvent::Keyboard)
                return true;
            break;
        case QEvent::FocusIn:
            if (focusShow && byKeyboard(static_cast<QFocusEvent *>(event)->reason()) && !m_shownByFocus) {
                m_shownByFocus = true;
                runGuarded(focusShow, m_widget);
            }
            break;
        case QEvent::FocusOut: {
            // Over a dialog, a popup menu or another window the text stays as it was.
            const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
            if (m_shownByFocus && reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
                m_shownByFocus = false;
                if (focusHide)
                    runGuarded(focusHide, m_widget);
            }
            break;
        }
        case QEvent::Enter:
            if (enter)
                runGuarded(enter, m_widget);
            break;
        case QEvent::Leave:
            if (leave)
                runGuarded(leave, m_widget);
            break;
        default:
            break;
        }
        return false;
    }

private:
    // Tab and Shift+Tab (the arrow keys within a radio group give these too) and an Alt
    // accelerator. A click gives the mouse's reason, a window or dialog coming back its
    // own, and Qt moving the focus by itself (a notebook turned) the other reason.
    static bool byKeyboard(Qt::FocusReason reason)
    {
        return reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason;
    }

    // Opened from the keyboard the menu stands in the middle of its control, its first
    // entry chosen, so that Enter takes it.
    void openPopup()
    {
        popup->popup(m_widget->mapToGlobal(m_widget->rect().center()));
        if (!popup->actions().isEmpty())
            popup->setActiveAction(popup->actions().first());
    }

    void fire(const MouseHandler &handler, QEvent *event)
    {
        if (!handler)
            return;
        const QPoint pos = static_cast<QMouseEvent *>(event)->position().toPoint();
        runGuarded([&] { handler(pos); }, m_widget);
    }

    QWidget *m_widget;
    bool m_pressed = false;
    bool m_shownByFocus = false;  // the focus's show ran, its hide is due
};

// Set while code changes a check state, so that Qt's own signal does not fire the
// handler a second time.
int codeChangingState = 0;

bool firesOnStateChange(QAbstractButton *button, bool checked)
{
    // A check box fires on both changes, a radio button only when it becomes set.
    return checked || qobject_cast<QCheckBox *>(button);
}

} // namespace

void runGuarded(const Handler &handler, QWidget *context) noexcept
{
    QWidget *parent = pageOf(context);
    try {
        handler();
    } catch (const Error &e) {
        dialogs().error(parent, e.message());
    } catch (const std::exception &e) {
        dialogs().error(parent, QString::fromLocal8Bit(e.what()));
    } catch (...) {
        dialogs().error(parent, QStringLiteral("Unbekannter Fehler"));
    }
}

void onClick(QAbstractButton *button, Handler handler)
{
    Hooks *hooks = Hooks::of(button);
    hooks->click = std::move(handler);
    if (std::exchange(hooks->connected, true))
        return;
    if (button->isCheckable()) {
        QObject::connect(button, &QAbstractButton::toggled, button, [button](bool checked) {
            if (!codeChangingState && firesOnStateChange(button, checked))
                runGuarded(Hooks::of(button)->click, button);
        });
    } else {
        QObject::connect(button, &QAbstractButton::clicked, button,
                         [button] { runGuarded(Hooks::of(button)->click, button); });
    }
}

void onClick(QWidget *widget, Handler handler)
{
    if (auto *button = qobject_cast<QAbstractButton *>(widget))
        return onClick(button, std::move(handler));
    Hooks::of(widget)->click = std::move(handler);
    actsOnClick(widget);
}

void onDoubleClick(QWidget *widget, Handler handler)
{
    Hooks::of(widget)->doubleClick = std::move(handler);
}

void onMouseMove(QWidget *widget, MouseHandler handler)
{
    widget->setMouseTracking(true);
    Hooks::of(widget)->move = std::move(handler);
}

void onMouseEnter(QWidget *widget, Handler handler)
{
    Hooks::of(widget)->enter = std::move(handler);
}

void onMouseLeave(QWidget *widget, Handler handler)
{
    Hooks::of(widget)->leave = std::move(handler);
}

void onMouseDown(QWidget *widget, MouseHandler handler)
{
    Hooks::of(widget)->down = std::move(handler);
}

void onMouseUp(QWidget *widget, MouseHandler handler)
{
    Hooks::of(widget)->up = std::move(handler);
}

void onChange(QLineEdit *edit, Handler handler)
{
    Hooks *hooks = Hooks::of(edit);
    hooks->change = std::move(handler);
    if (std::exchange(hooks->connected, true))
        return;
    QObject::connect(edit, &QLineEdit::textEdited, edit, [edit] {
        runGuarded(Hooks::of(edit)->change, edit);
    });
}

void onChange(QComboBox *combo, Handler handler)
{
    Hooks *hooks = Hooks::of(combo);
    hooks->change = std::move(handler);
    if (std::exchange(hooks->connected, true))
        return;
    auto fire = [combo] { runGuarded(Hooks::of(combo)->change, combo); };
    QLineEdit *edit = combo->lineEdit();
    QObject::connect(combo, &QComboBox::activated, combo, [combo, edit, fire] {
        if (edit)
            edit->setModified(false);  // a row chosen from the list, whatever was typed before
        fire();
    });
    if (!edit)
        return;
    // What the user types stays typed text, which chooses no row: Qt would complete it,
    // add it to the list on Return, and choose the row of the same name when the box is
    // left (by a click, Tab or a button), reporting that row as the user's choice.
    combo->setCompleter(nullptr);
    combo->setInsertPolicy(QComboBox::NoInsert);
    QObject::disconnect(edit, &QLineEdit::editingFinished, combo, nullptr);
    QObject::disconnect(edit, &QLineEdit::returnPressed, combo, nullptr);
    QObject::connect(edit, &QLineEdit::textEdited, combo, fire);
}

void onTriggered(QAction *action, Handler handler)
{
    QObject::connect(action, &QAction::triggered, action, [action, handler = std::move(handler)] {
        runGuarded(handler, pageOf(action));
    });
}

void onTimer(QTimer *timer, Handler handler)
{
    QObject::connect(timer, &QTimer::timeout, timer, [timer, handler = std::move(handler)] {
        runGuarded(handler, pageOf(timer));
    });
}

void clickableByKeyboard(QWidget *widget)
{
    // Tab only: a mouse click on the control must not move the focus there.
    widget->setFocusPolicy(Qt::TabFocus);
    Hooks::of(widget)->keyboardClicks = true;
}

void chooseRowsByKeyboard(QAbstractItemView *list)
{
    class RowKeys : public QObject
    {
    public:
        explicit RowKeys(QAbstractItemView *list) : QObject(list), m_list(list) { list->installEventFilter(this); }

    protected:
        bool eventFilter(QObject *, QEvent *event) override
        {
            if (event->type() != QEvent::KeyPress)
                return false;
            // The list moves its row as it handles the key; the choice follows that.
            QMetaObject::invokeMethod(this, [this, before = QPersistentModelIndex(m_list->currentIndex())] {
                if (m_list->currentIndex() == before)
                    return;
                Hooks *hooks = Hooks::of(m_list->viewport());
                if (hooks->click)
                    runGuarded(hooks->click, m_list);
                if (hooks->move) {
                    const QPoint row = m_list->visualRect(m_list->currentIndex()).center();
                    runGuarded([&] { hooks->move(row); }, m_list);
                }
            }, Qt::QueuedConnection);
            return false;
        }

    private:
        QAbstractItemView *m_list;
    };
    new RowKeys(list);
}

void showWhileFocused(QWidget *widget, Handler show, Handler hide)
{
    Hooks *hooks = Hooks::of(widget);
    hooks->focusShow = std::move(show);
    hooks->focusHide = std::move(hide);
}

void setPopupMenu(QWidget *widget, QMenu *menu)
{
    Hooks::of(widget)->popup = menu;
    if (widget->focusPolicy() == Qt::NoFocus)
        widget->setFocusPolicy(Qt::TabFocus);
    widget->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(widget, &QWidget::customContextMenuRequested, menu, [widget, menu](QPoint pos) {
        menu->popup(widget->mapToGlobal(pos));
    });
}

void setChecked(QAbstractButton *button, bool checked)
{
    if (button->isChecked() == checked)
        return;
    ++codeChangingState;
    // Qt keeps the set button of an exclusive group set; code may clear it all the same.
    const bool exclusive = button->autoExclusive();
    if (!checked)
        button->setAutoExclusive(false);
    button->setChecked(checked);
    button->setAutoExclusive(exclusive);
    --codeChangingState;
    if (firesOnStateChange(button, checked))
        if (const Handler &h = Hooks::of(button)->click)
            h();
}

void setText(QLineEdit *edit, const QString &text)
{
    if (edit->text() == text)
        return;
    edit->setText(text);
    if (const Handler &h = Hooks::of(edit)->change)
        h();
}

void click(QAbstractButton *button)
{
    if (const Handler &h = Hooks::of(button)->click)
        h();
}

void makePriceField(QLineEdit *edit)
{
    // A screen reader says what the number is: its name is the caption beside it.
    if (edit->accessibleDescription().isEmpty())
        edit->setAccessibleDescription(QStringLiteral("Betrag in Euro"));
    onChange(edit, [edit] { setText(edit, fixed2Text(toNumber(edit->text()))); });
}

} // namespace app
