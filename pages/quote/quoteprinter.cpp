#include "quoteprinter.h"

#include "app/dealer.h"
#include "app/errors.h"
#include "app/savefile.h"

#include <QBuffer>
#include <QDir>
#include <QPdfWriter>
#include <QPrinter>
#include <QStandardPaths>
#include <QTextLayout>

#include <algorithm>

#include <cerrno>

namespace quote {

namespace {
const QString indent(10, u' ');
const QString blank = QStringLiteral(" ");
} // namespace

QList<PrintLine> quoteDocument(const QStringList &list)
{
    // The first line is the document header, which is always empty, in small print.
    QList<PrintLine> doc{{8, QString()}};
    auto add = [&doc](const QString &text) { doc.append({12, text}); };

    add(blank);
    add(blank);
    add(QString(50, u' ') + app::dealer::maker);
    add(QString(60, u' ') + QStringLiteral("Nixaro"));
    add(blank);
    add(indent + app::dealer::street);
    add(indent + app::dealer::town);
    add(indent + QStringLiteral("Tel.: ") + app::dealer::phone);
    add(QStringLiteral("Email: ") + app::dealer::emails.join(QStringLiteral(" / ")));
    add(QStringLiteral("Homepage: ") + app::dealer::website);
    for (int i = 0; i < 3; ++i)
        add(blank);
    for (const QString &line : list) {
        add(indent + line);
        add(blank);
    }
    add(indent + blank);
    add(blank);
    add(indent + QStringLiteral("Unverbindliche Preisangaben inkl. MwSt."));
    add(indent + QStringLiteral("Technische Änderungen vorbehalten."));
    add(blank);
    add(indent + blank);
    add(indent + QStringLiteral("Wir bedanken uns für den Download unseres Programmes."));
    return doc;
}

const QString documentName = QStringLiteral("Nixaro-Angebot");

void setUpQuotePrinter(QPrinter &printer)
{
    printer.setDocName(documentName);
    printer.setCreator(QStringLiteral("Nixaro"));
    // With a real printer Qt proposes the PDF file itself, named after the document.
    if (printer.outputFormat() == QPrinter::PdfFormat && printer.outputFileName().isEmpty()) {
        QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (folder.isEmpty() || !QDir(folder).exists())
            folder = QDir::homePath();
        printer.setOutputFileName(QDir(folder).filePath(documentName + QStringLiteral(".pdf")));
    }
}

LinePrinter::LinePrinter(QPagedPaintDevice &device, QPrinter *printer) : m_device(device), m_printer(printer) {}

LinePrinter::~LinePrinter()
{
    if (m_painter.isActive()) {
        if (m_printer)
            m_printer->abort();
        m_painter.end();
    }
}

void LinePrinter::check(bool ok)
{
    if (ok && !(m_printer && m_printer->printerState() == QPrinter::Error))
        return;
    // The platform's error number where the failing call left one.
    const int code = errno ? errno : EIO;
    throw app::Error(QStringLiteral("I/O error %1").arg(code));
}

namespace {
// Margins that no printer cuts into: at least 20 mm on the left and 15 mm on the other
// sides, more where the printer cannot print as near the edge or its setup asks for more.
void setClearMargins(QPagedPaintDevice &device)
{
    QPageLayout layout = device.pageLayout();
    layout.setUnits(QPageLayout::Millimeter);
    const QMarginsF set = layout.margins(), least = layout.minimumMargins();
    const QMarginsF margins(std::max({20.0, set.left(), least.left()}), std::max({15.0, set.top(), least.top()}),
                            std::max({15.0, set.right(), least.right()}),
                            std::max({15.0, set.bottom(), least.bottom()}));
    device.setPageMargins(margins, QPageLayout::Millimeter);
}
} // namespace

void LinePrinter::open()
{
    setClearMargins(m_device);
    errno = 0;
    check(m_painter.begin(&m_device));
    m_y = 0;
}

void LinePrinter::setFont(const QString &family, int points)
{
    QFont font(family);
    font.setPointSize(points);
    m_painter.setFont(font);
}

QList<LinePrinter::Piece> LinePrinter::pieces(const QString &text) const
{
    const QFontMetrics metrics = m_painter.fontMetrics();
    const int width = m_painter.device()->width();
    if (metrics.horizontalAdvance(text) <= width)
        return {{0, text}};
    // A line wider than the page goes on below, under its first character after the
    // leading blanks; at a blank where there is one, anywhere in a long word.
    qsizetype blanks = 0;
    while (blanks < text.size() && text.at(blanks) == u' ')
        ++blanks;
    const int indent = std::min(metrics.horizontalAdvance(text.left(blanks)), width / 2);
    QTextLayout layout(text, m_painter.font(), m_painter.device());
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    QList<Piece> result;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        const bool first = result.isEmpty();
        line.setLineWidth(first ? width : width - indent);
        QString piece = text.mid(line.textStart(), line.textLength());
        if (!first) {
            qsizetype lead = 0;
            while (lead < piece.size() && piece.at(lead) == u' ')
                ++lead;
            piece.remove(0, lead);
            if (piece.isEmpty())
                continue;
        }
        result.append({first ? 0 : indent, piece});
    }
    layout.endLayout();
    return result;
}

void LinePrinter::writeLine(const QString &text)
{
    const QFontMetrics metrics = m_painter.fontMetrics();
    const int pageHeight = m_painter.device()->height();
    for (const Piece &piece : pieces(text)) {
        if (m_y > 0 && m_y + metrics.lineSpacing() > pageHeight) {
            errno = 0;
            check(m_device.newPage());
            m_y = 0;
        }
        errno = 0;
        m_painter.drawText(QPoint(piece.x, m_y + metrics.ascent()), piece.text);
        check(true);
        m_y += metrics.lineSpacing();
    }
}

void LinePrinter::close()
{
    errno = 0;
    check(m_painter.end());
}

namespace {
void printLines(LinePrinter &device, const QStringList &list)
{
    device.open();
    for (const PrintLine &line : quoteDocument(list)) {
        device.setFont(QStringLiteral("Arial"), line.points);
        device.writeLine(line.text);
    }
    device.close();
}
} // namespace

void printQuote(QPrinter &printer, const QStringList &list)
{
    if (printer.outputFormat() != QPrinter::PdfFormat || printer.outputFileName().isEmpty()) {
        LinePrinter device(printer, &printer);
        printLines(device, list);
        return;
    }
    // The PDF as the printer would write it, but into memory first.
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setTitle(printer.docName());
        writer.setCreator(printer.creator());
        writer.setResolution(printer.resolution());
        writer.setPageLayout(printer.pageLayout());
        LinePrinter device(writer);
        printLines(device, list);
    }
    app::saveFile(printer.outputFileName(), pdf.data());
}

} // namespace quote
