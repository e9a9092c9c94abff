#include "quoteprinter.h"

#include "quotesummary.h"

#include "app/dealer.h"
#include "app/errors.h"
#include "app/savefile.h"

#include <QBuffer>
#include <QDir>
#include <QPdfWriter>
#include <QPrinter>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStringEncoder>
#include <QTextLayout>

#include <algorithm>
#include <map>

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

QString quoteTitle(const QStringList &list)
{
    QStringList names;
    for (const Pool &pool : poolsOf(list))
        names << (pool.size.isEmpty() ? pool.shape : pool.shape + u' ' + pool.size);
    const QString title = QStringLiteral("Angebot Nixaro");
    return names.isEmpty() ? title : title + QStringLiteral(" – ") + names.join(QStringLiteral(", "));
}

QString pdfName(const QStringList &list, QDate date)
{
    QStringList words{QStringLiteral("Angebot")};
    for (const Pool &pool : poolsOf(list))
        if (!words.contains(pool.shape))
            words << pool.shape;
    words << date.toString(Qt::ISODate);
    return words.join(u' ') + QStringLiteral(".pdf");
}

QString documentsFolder()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return folder.isEmpty() || !QDir(folder).exists() ? QDir::homePath() : folder;
}

void setUpQuotePrinter(QPrinter &printer)
{
    printer.setDocName(documentName);
    printer.setCreator(QStringLiteral("Nixaro"));
    // With a real printer Qt proposes the PDF file itself, named after the document.
    if (printer.outputFormat() == QPrinter::PdfFormat && printer.outputFileName().isEmpty())
        printer.setOutputFileName(QDir(documentsFolder()).filePath(documentName + QStringLiteral(".pdf")));
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

// A PDF text string that holds any character: UTF-16 with its byte-order mark, in hex.
QByteArray pdfText(const QString &text)
{
    QStringEncoder utf16(QStringConverter::Utf16BE, QStringConverter::Flag::WriteBom);
    return '<' + QByteArray(utf16(text)).toHex() + '>';
}

// Qt 6.4's PDF writer knows no author. It goes into the document information and the
// XMP metadata (which must agree in a PDF/A) by an update appended to the document, as
// PDF allows: both objects written anew and a cross-reference section for the two.
// A document not laid out as Qt writes it stays as it is.
void addAuthor(QByteArray &pdf, const QString &author)
{
    const QString text = QString::fromLatin1(pdf);
    const auto trailer = QRegularExpression(QStringLiteral(R"(trailer\s*<<(.*)>>\s*startxref\s*(\d+)\s*%%EOF\s*$)"),
                                            QRegularExpression::DotMatchesEverythingOption)
                             .match(text);
    const auto meta = QRegularExpression(QStringLiteral(R"(\n(\d+) 0 obj\s*<<\s*/Type /Metadata /Subtype /XML\s*)"
                                                        R"(/Length (\d+)\s*>>\s*stream\n)"))
                          .match(text);
    if (!trailer.hasMatch() || !meta.hasMatch())
        return;
    const QString dict = trailer.captured(1);
    auto entry = [&dict](const char *pattern) {
        return QRegularExpression(QString::fromLatin1(pattern)).match(dict).captured(1).toLatin1();
    };
    const QByteArray info = entry(R"(/Info (\d+) 0 R)"), root = entry(R"(/Root (\d+) 0 R)"),
                     size = entry(R"(/Size (\d+))"), id = entry(R"((/ID\s*\[[^\]]*\]))");
    const qsizetype infoAt = pdf.indexOf("\n" + info + " 0 obj");
    const qsizetype infoStart = pdf.indexOf("<<", infoAt), infoEnd = pdf.indexOf("endobj", infoAt);
    QByteArray xmp = pdf.mid(meta.capturedEnd(), meta.captured(2).toLongLong());
    const qsizetype rdfEnd = xmp.lastIndexOf("</rdf:RDF>");
    if (info.isEmpty() || root.isEmpty() || size.isEmpty() || infoAt < 0 || infoStart < 0 || infoEnd < 0 || rdfEnd < 0)
        return;
    xmp.insert(rdfEnd, "<rdf:Description xmlns:dc=\"http://purl.org/dc/elements/1.1/\" rdf:about=\"\">"
                       "<dc:creator><rdf:Seq><rdf:li>"
                           + author.toHtmlEscaped().toUtf8() + "</rdf:li></rdf:Seq></dc:creator></rdf:Description>\n");

    QByteArray update = pdf.endsWith('\n') ? QByteArray() : QByteArray("\n");
    std::map<int, qsizetype> offsets;  // object number: where it starts
    auto write = [&](const QByteArray &object, const QByteArray &body) {
        offsets[object.toInt()] = pdf.size() + update.size();
        update += object + " 0 obj\n" + body + "\nendobj\n";
    };
    write(info, "<<\n/Author " + pdfText(author) + '\n' + pdf.mid(infoStart + 2, infoEnd - infoStart - 2).trimmed());
    write(meta.captured(1).toLatin1(), "<<\n/Type /Metadata /Subtype /XML\n/Length " + QByteArray::number(xmp.size())
                                           + "\n>>\nstream\n" + xmp + "\nendstream");
    const qsizetype xrefAt = pdf.size() + update.size();
    update += "xref\n0 1\n0000000000 65535 f \n";
    for (const auto &[object, at] : offsets)
        update += QByteArray::number(object) + " 1\n" + QByteArray::number(at).rightJustified(10, '0') + " 00000 n \n";
    update += "trailer\n<<\n/Size " + size + "\n/Info " + info + " 0 R\n/Root " + root + " 0 R\n/Prev "
              + trailer.captured(2).toLatin1() + '\n' + id + "\n>>\nstartxref\n" + QByteArray::number(xrefAt)
              + "\n%%EOF\n";
    pdf += update;
}
} // namespace

QByteArray quotePdf(const QStringList &list, const QString &title, const QPageLayout &layout, int resolution)
{
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setPdfVersion(QPagedPaintDevice::PdfVersion_A1b);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Nixaro"));
        writer.setResolution(resolution);
        writer.setPageLayout(layout);
        LinePrinter device(writer);
        printLines(device, list);
    }
    QByteArray bytes = pdf.data();
    addAuthor(bytes, app::dealer::maker);
    return bytes;
}

void printQuote(QPrinter &printer, const QStringList &list)
{
    if (printer.outputFormat() != QPrinter::PdfFormat || printer.outputFileName().isEmpty()) {
        LinePrinter device(printer, &printer);
        printLines(device, list);
        return;
    }
    // The PDF as the printer would write it, but into memory first.
    app::saveFile(printer.outputFileName(),
                  quotePdf(list, printer.docName(), printer.pageLayout(), printer.resolution()));
}

void saveQuotePdf(const QString &path, const QStringList &list)
{
    QString reason;
    if (!app::saveFile(path, quotePdf(list, quoteTitle(list)), &reason))
        throw app::Error(QStringLiteral("Das Angebot konnte nicht als PDF gespeichert werden:\n%1\n%2\n"
                                        "Eine vorhandene Datei dieses Namens ist unverändert.")
                             .arg(QDir::toNativeSeparators(path), reason));
}

} // namespace quote
