#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <initializer_list>
#include <span>

class QComboBox;
class QListWidget;
class QPlainTextEdit;
class QWidget;

// What the catalogue pages share: finding the chosen article, showing its pictures and
// its description, and offering a list to choose from.
namespace app {

// The first row whose name equals the text exactly (case, blanks and punctuation as
// stored), or nullptr. A text typed into a list's edit part matches no row by itself.
template<typename Row>
const Row *lookUp(std::span<const Row> rows, QStringView text)
{
    for (const Row &row : rows)
        if (text == row.name)
            return &row;
    return nullptr;
}

// Hides every picture of the group, then shows the chosen ones. Given the article's
// name, a screen reader names the chosen pictures after that article.
void showPictures(const QList<QWidget *> &group, std::initializer_list<QWidget *> chosen = {},
                  QStringView article = {});
void showPictures(const QList<QWidget *> &group, const QList<QWidget *> &chosen, QStringView article = {});

// A table's lines as texts, for memos, list boxes and the quote.
QStringList linesOf(std::span<const QStringView> lines);

// A description memo: its lines replaced, scrolled back to its first line.
void setLines(QPlainTextEdit *memo, const QStringList &lines);
// Lines added below what the memo holds (each line a line of its own, as a memo's
// line list grows), then back to its first line.
void addLines(QPlainTextEdit *memo, const QStringList &lines);
void scrollToTop(QPlainTextEdit *memo);
// A list box of description lines.
void setLines(QListWidget *list, const QStringList &lines);

// Replaces the rows of a list to choose from and leaves none chosen: Qt would choose the
// first row of a refilled list by itself.
void setChoices(QComboBox *combo, const QStringList &rows);

// The row of a list with an edit part that the user chose, as its text: the list's text
// when it is one of the rows, otherwise empty (a number typed there that the list does
// not offer is no choice).
QString chosenRow(const QComboBox *combo);

// The row of a catalogue list that was chosen from the list, as its text; empty while
// the edit part holds what the user typed, even where that is the name of a row.
QString pickedRow(const QComboBox *combo);

} // namespace app
