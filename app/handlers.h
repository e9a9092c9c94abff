#pragma once

#include <QPoint>
#include <functional>

class QAbstractButton;
class QAbstractItemView;
class QAction;
class QComboBox;
class QLineEdit;
class QMenu;
class QTimer;
class QWidget;

// Event handlers of the pages, with the semantics the pages rely on:
// - every handler runs guarded: an error raised inside it shows the application's
//   error dialog, the rest of the handler is skipped, what it changed stays changed;
// - setting a radio button or check box from code fires its click handler as a user's
//   click does, only when the state changes (a radio button only when it becomes set);
// - setting an edit's text from code fires its change handler when the text changes;
// - setting a combo box's text or index from code fires nothing, a user's choice does.
// Handlers fired from code run directly inside the handler that set the control, so an
// error in the nested handler ends the outer one too.
namespace app {

using Handler = std::function<void()>;
using MouseHandler = std::function<void(QPoint pos)>;

// Runs a handler on behalf of the event loop; never lets an exception escape.
void runGuarded(const Handler &handler, QWidget *context = nullptr) noexcept;

// User events.
void onClick(QAbstractButton *button, Handler handler);
void onClick(QWidget *widget, Handler handler);  // labels, pictures, panels, memos
void onDoubleClick(QWidget *widget, Handler handler);
void onMouseMove(QWidget *widget, MouseHandler handler);
void onMouseEnter(QWidget *widget, Handler handler);
void onMouseLeave(QWidget *widget, Handler handler);
void onMouseDown(QWidget *widget, MouseHandler handler);
void onMouseUp(QWidget *widget, MouseHandler handler);
void onChange(QLineEdit *edit, Handler handler);
void onChange(QComboBox *combo, Handler handler);
void onTriggered(QAction *action, Handler handler);
void onTimer(QTimer *timer, Handler handler);
// A label or picture that a click acts on also takes the focus by Tab, and Enter or
// Space then do what the click does; Escape does what its double click does.
void clickableByKeyboard(QWidget *widget);
// A key that moves the list's current row does what a click on the new row does, followed
// by what a pointer's move over the list does (the handlers of the list's viewport).
void chooseRowsByKeyboard(QAbstractItemView *list);
// A text that the mouse shows over a control (by moving over it or entering it) also
// shows while the control holds the keyboard focus: show runs as the focus arrives by
// Tab, Shift+Tab or a mnemonic, hide as it leaves. A click that focuses the control runs
// neither (the mouse shows it already), nor does Qt moving the focus by itself.
void showWhileFocused(QWidget *widget, Handler show, Handler hide);
// A right click on the widget opens the popup menu; so do the Menu key and Shift+F10
// while it has the focus, and Tab reaches a widget that would otherwise take no focus.
void setPopupMenu(QWidget *widget, QMenu *menu);

// Code that changes controls and fires their handlers as described above.
void setChecked(QAbstractButton *button, bool checked);
void setText(QLineEdit *edit, const QString &text);
// Performs a click on a button from code, whether it is visible or not.
void click(QAbstractButton *button);

// A price field normalises its text to two decimals on every change, and tells screen
// readers that it holds an amount in euro (as fields that show a price do in the forms).
void makePriceField(QLineEdit *edit);

} // namespace app
