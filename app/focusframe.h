#pragma once

#include <QFocusFrame>
#include <QPointer>

namespace app {

// The frame around the control that has the keyboard focus, the same on every page,
// drawn over the page so that neither the control's own look nor its place changes: a
// ring two pixels wide just outside a button, choice or picture (inside it where it
// meets the page's edge), and three pixels wide inside a field's own edge, where other
// controls often sit right against it. Navy stands out against the page's blue and the
// white fields alike; on a dark page the ring is orange, clear against both as well.
// A QFocusFrame, placed by itself: Qt's accessibility leaves such a frame out of what
// it tells screen readers, and mouse events pass through it.
class FocusFrame : public QFocusFrame
{
    Q_OBJECT

public:
    static constexpr int width = 2;       // outside a control
    static constexpr int fieldWidth = 3;  // inside a field
    // The ring's colour on a page of that background.
    static QColor colourOn(const QColor &background);

    // Follows the focus from now on; the frame itself is made when a page control first
    // takes the focus.
    static void install();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    FocusFrame();
    void follow(QWidget *focused);
    void place();
    void unwatch();

    QPointer<QWidget> m_target;
    QColor m_colour;
    QList<QPointer<QWidget>> m_watched;  // the target and the widgets it sits in
};

} // namespace app
