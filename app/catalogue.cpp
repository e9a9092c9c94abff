#include "catalogue.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextCursor>

namespace app {

void showPictures(const QList<QWidget *> &group, std::initializer_list<QWidget *> chosen, QStringView article)
{
    showPictures(group, QList<QWidget *>(chosen), article);
}

void showPictures(const QList<QWidget *> &group, const QList<QWidget *> &chosen, QStringView article)
{
    for (QWidget *picture : group)
        if (!chosen.contains(picture))
            picture->hide();
    for (QWidget *picture : chosen) {
        // Named each time: a picture may serve several articles of the list.
        if (!article.isEmpty())
            picture->setAccessibleName(article.toString());
        picture->show();
    }
}

QStringList linesOf(std::span<const QStringView> lines)
{
    QStringList texts;
    texts.reserve(qsizetype(lines.size()));
    for (QStringView line : lines)
        texts << line.toString();
    return texts;
}

void scrollToTop(QPlainTextEdit *memo)
{
    memo->moveCursor(QTextCursor::Start);
    memo->verticalScrollBar()->setValue(0);
}

void setLines(QPlainTextEdit *memo, const QStringList &lines)
{
    memo->setPlainText(lines.join(u'\n'));
    scrollToTop(memo);
}

void addLines(QPlainTextEdit *memo, const QStringList &lines)
{
    for (const QString &line : lines)
        memo->appendPlainText(line);
    scrollToTop(memo);
}

void setLines(QListWidget *list, const QStringList &lines)
{
    list->clear();
    list->addItems(lines);
}

void setChoices(QComboBox *combo, const QStringList &rows)
{
    combo->clear();
    combo->addItems(rows);
    combo->setCurrentIndex(-1);
}

QString chosenRow(const QComboBox *combo)
{
    const QString text = combo->currentText();
    return combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive) >= 0 ? text : QString();
}

QString pickedRow(const QComboBox *combo)
{
    // A user's keystroke marks the edit part modified; a row chosen or set clears the mark.
    if (const QLineEdit *edit = combo->lineEdit(); edit && edit->isModified())
        return {};
    return chosenRow(combo);
}

} // namespace app
