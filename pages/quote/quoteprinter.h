#pragma once

#include <QDate>
#include <QList>
#include <QPageLayout>
#include <QPainter>
#include <QString>
#include <QStringList>

class QPagedPaintDevice;
class QPrinter;

namespace quote {

// One line of the printed quote and its size in points (the font is Arial throughout).
struct PrintLine
{
    int points;
    QString text;
    bool operator==(const PrintLine &) const = default;
};

// The printed quote: letterhead, every list line followed by a blank line, closing.
QList<PrintLine> quoteDocument(const QStringList &list);

// A printer used as a text device: whole lines one below the other, each in the font
// set last, within clear margins; a line wider than the page wraps, and a new page
// starts when the next line does not fit. Every step is checked; a
// failure throws app::Error "I/O error <code>". A printer's job left unfinished is
// aborted. The device is a printer or a PDF being written.
class LinePrinter
{
public:
    explicit LinePrinter(QPagedPaintDevice &device, QPrinter *printer = nullptr);
    ~LinePrinter();
    LinePrinter(const LinePrinter &) = delete;
    LinePrinter &operator=(const LinePrinter &) = delete;

    void open();
    void setFont(const QString &family, int points);
    void writeLine(const QString &text);
    void close();

private:
    // A line as it goes onto the page: the pieces of one wrapped line, each with its
    // distance from the left margin.
    struct Piece
    {
        int x;
        QString text;
    };
    QList<Piece> pieces(const QString &text) const;
    void check(bool ok);

    QPagedPaintDevice &m_device;
    QPrinter *m_printer;
    QPainter m_painter;
    int m_y = 0;  // top of the next line, in device pixels from the top of the printable area
};

// The document name of a print job of the quote ("Nixaro-Angebot"): the print queue
// shows it, it is the title of a PDF, and the PDF file proposed is named after it.
extern const QString documentName;

// "Angebot Nixaro – Ovalformbecken 3,50 m x 7,00 m": the pools the list names, or just
// "Angebot Nixaro"; the title of the quote's PDF and the subject of its mail.
QString quoteTitle(const QStringList &list);
// "Angebot Ovalformbecken 2026-06-01.pdf": the file name offered for the quote's PDF.
QString pdfName(const QStringList &list, QDate date);
// The user's documents folder, or the home folder where there is none.
QString documentsFolder();

// Prepares a printer for the quote: its document name and, where the only choice is a
// PDF file, that file in the user's documents folder.
void setUpQuotePrinter(QPrinter &printer);

// Prints the quote list on the chosen printer; throws app::Error when the printer fails.
// A PDF file is made in memory and put in place only when complete, so that a failure
// (a full disk) leaves a PDF of the same name as it was.
void printQuote(QPrinter &printer, const QStringList &list);

// The printed quote as a PDF/A-1b document: the same lines, fonts, margins and page
// breaks as on paper of that layout, with its title, the dealer as author and Nixaro
// as creator; fonts embedded, text extractable.
QByteArray quotePdf(const QStringList &list, const QString &title,
                    const QPageLayout &layout = QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, {}),
                    int resolution = 1200);
// Writes the PDF (A4) to the file, replacing it only once complete; on a failure throws
// app::Error, in German, saying that a file of that name is left as it was.
void saveQuotePdf(const QString &path, const QStringList &list);

} // namespace quote
