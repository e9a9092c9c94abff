#include "accessibility.h"

#include "picturebox.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>

#include <algorithm>

namespace app {

namespace {

constexpr char acting[] = "actsOnClick";

bool flagged(const QObject *object, const char *property)
{
    return object->property(property).toBool();
}

// Labels, panels and pictures: what the pages make clickable besides buttons.
bool isDisplay(const QWidget *widget)
{
    return qobject_cast<const QLabel *>(widget) || qobject_cast<const PictureBox *>(widget)
        || widget->metaObject() == &QFrame::staticMetaObject;
}

// What the mouse does: a press and a release in the middle of the control.
void click(QWidget *widget)
{
    const QPointF at = QRectF(widget->rect()).center();
    const QPointF global = widget->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &press);
    QCoreApplication::sendEvent(widget, &release);
}

// A label, panel or picture: a button or link when a click acts on it, else an image.
class Display : public QAccessibleWidget
{
public:
    explicit Display(QWidget *widget) : QAccessibleWidget(widget) {}

    QAccessible::Role role() const override
    {
        if (!flagged(widget(), acting))
            return QAccessible::Graphic;
        return flagged(widget(), "link") ? QAccessible::Link : QAccessible::Button;
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.linked = role() == QAccessible::Link;
        return state;
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            if (const auto *label = qobject_cast<const QLabel *>(widget()))
                return label->text();
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (flagged(widget(), acting))
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString &action) override
    {
        if (action != pressAction() || !flagged(widget(), acting))
            return QAccessibleWidget::doAction(action);
        // From the event loop: the screen reader has its answer before the click opens a
        // page or a message box.
        QWidget *target = widget();
        QMetaObject::invokeMethod(target, [target] { click(target); }, Qt::QueuedConnection);
    }
};

// A one-line field. Qt's own interface reports no run of text attributes around an
// offset (start and end at the offset itself), and a screen reader that reads a line by
// its runs then drops the line's last character: "2598,9" for a total of 2598,95. The
// whole text is one run here, as a field has one font.
class Field : public QAccessibleWidget, public QAccessibleTextInterface, public QAccessibleEditableTextInterface
{
public:
    explicit Field(QLineEdit *edit) : QAccessibleWidget(edit, QAccessible::EditableText) {}

    QLineEdit *edit() const { return static_cast<QLineEdit *>(widget()); }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        if (type == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = edit()->isReadOnly();
        state.editable = !edit()->isReadOnly();
        state.selectableText = true;
        return state;
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return edit()->text();
        return QAccessibleWidget::text(t);
    }

    void setText(QAccessible::Text t, const QString &text) override
    {
        if (t == QAccessible::Value && !edit()->isReadOnly())
            edit()->setText(text);
    }

    // The text.
    QString text(int start, int end) const override { return edit()->text().mid(start, end - start); }
    int characterCount() const override { return int(edit()->text().size()); }
    QString attributes(int, int *start, int *end) const override
    {
        *start = 0;
        *end = characterCount();
        return {};
    }
    QRect characterRect(int) const override { return QRect(edit()->mapToGlobal(QPoint()), edit()->size()); }
    int offsetAtPoint(const QPoint &point) const override { return edit()->cursorPositionAt(edit()->mapFromGlobal(point)); }
    void scrollToSubstring(int start, int) override { edit()->setCursorPosition(start); }

    // Caret and selection.
    int cursorPosition() const override { return edit()->cursorPosition(); }
    void setCursorPosition(int position) override { edit()->setCursorPosition(position); }
    int selectionCount() const override { return edit()->hasSelectedText() ? 1 : 0; }
    void selection(int index, int *start, int *end) const override
    {
        *start = *end = 0;
        if (index == 0 && edit()->hasSelectedText()) {
            *start = edit()->selectionStart();
            *end = edit()->selectionEnd();
        }
    }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int) override { edit()->deselect(); }
    void setSelection(int, int start, int end) override { edit()->setSelection(start, end - start); }

    // Changes a screen reader asks for, where the field takes typing.
    void deleteText(int start, int end) override { replaceText(start, end, {}); }
    void insertText(int offset, const QString &text) override { replaceText(offset, offset, text); }
    void replaceText(int start, int end, const QString &text) override
    {
        if (edit()->isReadOnly())
            return;
        edit()->setText(edit()->text().replace(start, end - start, text));
        edit()->setCursorPosition(start + int(text.size()));
    }
};

bool isDecorative(const QObject *object)
{
    return object && flagged(object, "decorative");
}

// A form or panel holding ornaments, which it leaves out of the children it reports.
class Container : public QAccessibleWidget
{
public:
    Container(QWidget *widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

    int childCount() const override { return int(children().size()); }
    QAccessibleInterface *child(int index) const override { return children().value(index); }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return int(children().indexOf(const_cast<QAccessibleInterface *>(child)));
    }

private:
    QList<QAccessibleInterface *> children() const
    {
        QList<QAccessibleInterface *> read;
        for (int i = 0; i < QAccessibleWidget::childCount(); ++i)
            if (QAccessibleInterface *child = QAccessibleWidget::child(i); child && !isDecorative(child->object()))
                read << child;
        return read;
    }
};

bool holdsOrnaments(const QWidget *widget)
{
    const QObjectList &children = widget->children();
    return std::any_of(children.begin(), children.end(), isDecorative);
}

// Asked before Qt's own factory, for the most derived class first.
QAccessibleInterface *roles(const QString &, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget)
        return nullptr;
    if (qobject_cast<PictureBox *>(widget) || (flagged(widget, acting) && isDisplay(widget)))
        return new Display(widget);
    if (auto *edit = qobject_cast<QLineEdit *>(widget))
        return new Field(edit);
    // Plain forms and panels, as Qt's factory makes them, less their ornaments.
    const QMetaObject *type = widget->metaObject();
    if ((type == &QWidget::staticMetaObject || type == &QFrame::staticMetaObject) && holdsOrnaments(widget))
        return new Container(widget, type == &QFrame::staticMetaObject ? QAccessible::Border : QAccessible::Client);
    return nullptr;
}

} // namespace

void installAccessibleRoles()
{
    QAccessible::installFactory(roles);
}

void actsOnClick(QWidget *widget)
{
    if (flagged(widget, acting) || !isDisplay(widget))
        return;
    widget->setProperty(acting, true);
    // A screen reader may have asked for the label while its form was built, and would
    // keep hearing it as text: its interface is made anew.
    QAccessibleInterface *made = QAccessible::queryAccessibleInterface(widget);
    if (made && !dynamic_cast<Display *>(made))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

} // namespace app
