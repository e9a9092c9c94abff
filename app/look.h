#pragma once

#include <QColor>

class QWidget;

namespace app {

// Changes the text colour of a control whose form styles it (font and colours of
// controls are declared in the forms' style sheets).
void setTextColour(QWidget *widget, const QColor &colour);
QColor textColour(const QWidget *widget);

} // namespace app
