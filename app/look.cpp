#include "look.h"

#include <QRegularExpression>
#include <QWidget>

namespace app {

namespace {
// "color:" at the start or after ";" or whitespace, so that "background-color" is left alone.
const QRegularExpression colourRule(QStringLiteral("(^|[;\\s])color\\s*:\\s*([^;]*);?"));
} // namespace

void setTextColour(QWidget *widget, const QColor &colour)
{
    QString sheet = widget->styleSheet();
    const QString rule = QStringLiteral("color: %1;").arg(colour.name());
    const auto match = colourRule.match(sheet);
    if (match.hasMatch())
        sheet.replace(match.capturedStart(0) + match.capturedLength(1),
                      match.capturedLength(0) - match.capturedLength(1), rule);
    else
        sheet = rule + QLatin1Char(' ') + sheet;
    widget->setStyleSheet(sheet);
}

QColor textColour(const QWidget *widget)
{
    const auto match = colourRule.match(widget->styleSheet());
    return match.hasMatch() ? QColor(match.captured(2).trimmed()) : widget->palette().color(widget->foregroundRole());
}

} // namespace app
