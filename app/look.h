#pragma once

#include <QColor>
#include <QList>

class QPlainTextEdit;
class QWidget;

namespace app {

// Changes the text colour of a control whose form styles it (font and colours of
// controls are declared in the forms' style sheets).
void setTextColour(QWidget *widget, const QColor &colour);
QColor textColour(const QWidget *widget);
// The same for the background colour of such a control (a label that turns red).
void setBackgroundColour(QWidget *widget, const QColor &colour);
QColor backgroundColour(const QWidget *widget);

// The lines of a memo centred, as the forms of several memos declare them.
void centreLines(QPlainTextEdit *memo);

// The font size of a control as the F2 / F1 steps change it: one point a press, without
// bound. Qt shows no font below one point, so the size the steps left is kept apart from
// the one shown, and stepping back up returns exactly to where the steps began.
// The controls inside that take their font from this one (no font of their own) follow
// it: under a style sheet Qt no longer passes a changed font on to them by itself.
class SteppedFont
{
public:
    SteppedFont() = default;
    explicit SteppedFont(QWidget *widget);

    int points() const { return m_points; }
    void setPoints(int points);
    void step(int points) { setPoints(m_points + points); }

private:
    QWidget *m_widget = nullptr;
    QList<QWidget *> m_followers;
    int m_points = 0;
};

} // namespace app
