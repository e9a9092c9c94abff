#include "look.h"

#include <QFontInfo>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTextDocument>
#include <QWidget>

namespace app {

namespace {
// "color:" at the start or after ";" or whitespace, so that "background-color" is left alone.
const QRegularExpression colourRule(QStringLiteral("(^|[;\\s])color\\s*:\\s*([^;]*);?"));
const QRegularExpression backgroundRule(QStringLiteral("(^|[;\\s])background-color\\s*:\\s*([^;]*);?"));
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

void setBackgroundColour(QWidget *widget, const QColor &colour)
{
    QString sheet = widget->styleSheet();
    const QString rule = QStringLiteral("background-color: %1;").arg(colour.name());
    const auto match = backgroundRule.match(sheet);
    if (match.hasMatch())
        sheet.replace(match.capturedStart(0) + match.capturedLength(1),
                      match.capturedLength(0) - match.capturedLength(1), rule);
    else
        sheet = rule + QLatin1Char(' ') + sheet;
    widget->setStyleSheet(sheet);
}

QColor backgroundColour(const QWidget *widget)
{
    const auto match = backgroundRule.match(widget->styleSheet());
    return match.hasMatch() ? QColor(match.captured(2).trimmed()) : widget->palette().color(widget->backgroundRole());
}

void centreLines(QPlainTextEdit *memo)
{
    QTextOption centred = memo->document()->defaultTextOption();
    centred.setAlignment(Qt::AlignHCenter);
    memo->document()->setDefaultTextOption(centred);
}

namespace {
// Descendants that inherit the font of `from`: no font set on them or on a control
// between, and not sized in pixels by a style sheet.
void collectFollowers(QWidget *from, QList<QWidget *> &followers)
{
    for (QObject *child : from->children()) {
        auto *widget = qobject_cast<QWidget *>(child);
        if (!widget || widget->isWindow() || widget->testAttribute(Qt::WA_SetFont) || widget->font().pointSize() <= 0)
            continue;
        followers << widget;
        collectFollowers(widget, followers);
    }
}
} // namespace

SteppedFont::SteppedFont(QWidget *widget) : m_widget(widget)
{
    const int size = widget->font().pointSize();
    m_points = size > 0 ? size : QFontInfo(widget->font()).pointSize();
    collectFollowers(widget, m_followers);
}

void SteppedFont::setPoints(int points)
{
    m_points = points;
    for (QWidget *widget : QList<QWidget *>{m_widget} + m_followers) {
        QFont font = widget->font();
        font.setPointSize(qMax(1, points));
        widget->setFont(font);
    }
}

} // namespace app
