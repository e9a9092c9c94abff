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

namespace {

// Replaces the colour of one property in a control's style sheet, or adds it.
void setSheetColour(QWidget *widget, const QRegularExpression &rule, const char *property, const QColor &colour)
{
    QString sheet = widget->styleSheet();
    const QString text = QStringLiteral("%1: %2;").arg(QLatin1String(property), colour.name());
    const auto match = rule.match(sheet);
    if (match.hasMatch())
        sheet.replace(match.capturedStart(0) + match.capturedLength(1), match.capturedLength(0) - match.capturedLength(1),
                      text);
    else
        sheet = text + QLatin1Char(' ') + sheet;
    widget->setStyleSheet(sheet);
}

QColor sheetColour(const QWidget *widget, const QRegularExpression &rule, QPalette::ColorRole fallback)
{
    const auto match = rule.match(widget->styleSheet());
    return match.hasMatch() ? QColor(match.captured(2).trimmed()) : widget->palette().color(fallback);
}

} // namespace

void setTextColour(QWidget *widget, const QColor &colour)
{
    setSheetColour(widget, colourRule, "color", colour);
}

QColor textColour(const QWidget *widget)
{
    return sheetColour(widget, colourRule, widget->foregroundRole());
}

void setBackgroundColour(QWidget *widget, const QColor &colour)
{
    setSheetColour(widget, backgroundRule, "background-color", colour);
}

QColor backgroundColour(const QWidget *widget)
{
    return sheetColour(widget, backgroundRule, widget->backgroundRole());
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
