// The printed quote, and the walk from a round pool to a saved and printed quote.
#include "testsupport.h"

#include "app/dealer.h"
#include "app/errors.h"
#include "app/mainmenu.h"
#include "pages/quote/quoteprinter.h"

#include <QAccessible>
#include <QAction>
#include <QDir>
#include <QPdfWriter>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QPrinter>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QUrlQuery>


using namespace app;
using namespace testing;
using quote::PrintLine;

namespace {

// The user at the print and file dialogs; the printer chosen is a PDF file.
class PrintingUser : public FakeDialogs
{
public:
    bool choosePrinter(QWidget *, QPrinter &printer, const QString &name) override
    {
        printDialogs << name;
        if (pdf.isEmpty())
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    }
    QString saveFileName(QWidget *, const FileDialogSetup &setup) override
    {
        saveDialogs << setup.name + ' ' + setup.nameFilters.join(";;") + ' ' + setup.proposedFile;
        return setup.name == "PDFDialog1" ? pdf : quoteFile;
    }
    QString openFileName(QWidget *, const FileDialogSetup &) override { return quoteFile; }
    QString pdf, quoteFile;
    QStringList printDialogs, saveDialogs;
};

QString run(const QString &program, const QStringList &arguments)
{
    QProcess p;
    p.start(program, arguments);
    p.waitForFinished(20000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

QString pdfText(const QString &pdf) { return run("pdftotext", {"-layout", pdf, "-"}); }

// The lines that carry text, blanks evened out: pdftotext places words by position,
// so runs of blanks do not come back as they were printed.
QStringList reading(const QStringList &lines)
{
    QStringList read;
    for (const QString &line : lines)
        if (!line.trimmed().isEmpty())
            read << line.simplified();
    return read;
}
QStringList readPdf(const QString &pdf) { return reading(pdfText(pdf).split(QRegularExpression("[\n\f]"))); }
QStringList expectedReading(const QStringList &list)
{
    QStringList lines;
    for (const PrintLine &line : quote::quoteDocument(list))
        lines << line.text;
    return reading(lines);
}

QListWidget *list() { return control<QListWidget>(PageId::Tsave, "ur"); }

void trigger(const char *entry)
{
    page(PageId::Tsave)->findChild<QAction *>(QString::fromLatin1(entry))->trigger();
}

// "&Datei" opened with Alt+D and an entry chosen by its letter, as a keyboard user does.
void chooseByKeyboard(Qt::Key letter)
{
    goTo(PageId::Tsave);
    QTest::keyClick(page(PageId::Tsave), Qt::Key_D, Qt::AltModifier);
    QTRY_VERIFY(QApplication::activePopupWidget());
    QTest::keyClick(QApplication::activePopupWidget(), letter);
}

QString today() { return QDate::currentDate().toString(Qt::ISODate); }

const QStringList ovalPool = {" ", QString(26, ' ') + "Ovalformbecken", " ", "Beckenhöhe: 1,50 m",
                              "Beckengröße: 3,50 m x 7,00 m", "Schwimmbeckengesamtpreis: 4999,00"};

} // namespace

class PrintTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { startProgram(); }
    void cleanupTestCase() { destroyPages(); }

    void documentLines()
    {
        const QString indent(10, ' ');
        const QList<PrintLine> expected = {
            {8, ""}, {12, " "}, {12, " "},
            {12, QString(50, ' ') + "Marvasten Reinigungs- und Pooltechnik"}, {12, QString(60, ' ') + "Nixaro"},
            {12, " "}, {12, indent + dealer::street}, {12, indent + dealer::town},
            {12, indent + "Tel.: " + dealer::phone}, {12, "Email: " + dealer::emails.join(" / ")},
            {12, "Homepage: " + dealer::website}, {12, " "}, {12, " "}, {12, " "},
            {12, indent + "Zeile"}, {12, " "}, {12, indent}, {12, " "},  // the list, double-spaced
            {12, indent + " "}, {12, " "}, {12, indent + "Unverbindliche Preisangaben inkl. MwSt."},
            {12, indent + "Technische Änderungen vorbehalten."}, {12, " "}, {12, indent + " "},
            {12, indent + "Wir bedanken uns für den Download unseres Programmes."}};
        QCOMPARE(quote::quoteDocument({"Zeile", ""}), expected);
    }

    void printedLinesReadBackInOrder_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<bool>("severalPages");
        QTest::newRow("empty list") << QStringList() << false;
        QTest::newRow("two blocks") << QStringList{" ", "     Rundbecken", "Set:  89,00 €", "", "     Ovalformbecken"}
                                    << false;
        QStringList many;
        for (int i = 1; i <= 90; ++i)
            many << QString("Zeile %1").arg(i);
        QTest::newRow("several pages") << many << true;
    }
    void printedLinesReadBackInOrder()
    {
        QFETCH(QStringList, lines);
        QFETCH(bool, severalPages);
        QTemporaryDir dir;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath("angebot.pdf"));
        printer.setPageSize(QPageSize(QPageSize::A4));
        quote::printQuote(printer, lines);
        QCOMPARE(readPdf(printer.outputFileName()), expectedReading(lines));
        QCOMPARE(pdfText(printer.outputFileName()).count('\f') > 1, severalPages);
        // Saved as a PDF: the printed document, line for line and page for page.
        quote::saveQuotePdf(dir.filePath("gespeichert.pdf"), lines);
        QCOMPARE(pdfText(dir.filePath("gespeichert.pdf")), pdfText(printer.outputFileName()));
    }

    // Every word of a long quote lies within the margins (20 mm left, 15 mm elsewhere on
    // A4), a line wider than the page wraps, and no text is lost at the page breaks.
    void printedQuoteKeepsItsMargins()
    {
        QStringList lines;
        for (int i = 1; i <= 120; ++i)
            lines << QString("Zeile %1 Sicherheits-Schwimmbadabdeckung SafeTop 1299,00 €").arg(i);
        lines[40] = QString(8, ' ') + QString("Wanddurchführung inkl. Einlaufdüse aus Rotguss ").repeated(6);
        lines[80] = QString(150, 'x');  // no blank to wrap at
        QTemporaryDir dir;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath("angebot.pdf"));
        printer.setPageSize(QPageSize(QPageSize::A4));
        quote::printQuote(printer, lines);

        QProcess p;
        p.start("pdftotext", {"-bbox", printer.outputFileName(), "-"});
        QVERIFY(p.waitForFinished(20000));
        const QString html = QString::fromUtf8(p.readAllStandardOutput());
        const QRegularExpression page(R"re(<page width="([\d.]+)" height="([\d.]+)")re");
        const QRegularExpression word(
            R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
        constexpr double mm = 72 / 25.4, slack = 0.5;
        double width = 0, height = 0;
        int pages = 0;
        QString printed;
        for (const QString &part : html.split("</page>")) {
            const auto size = page.match(part);
            if (!size.hasMatch())
                continue;
            ++pages;
            width = size.captured(1).toDouble();
            height = size.captured(2).toDouble();
            for (const auto &w : word.globalMatch(part)) {
                const QString where = w.captured(5) + " on page " + QString::number(pages);
                QVERIFY2(w.captured(1).toDouble() >= 20 * mm - slack, qPrintable(where));
                QVERIFY2(w.captured(2).toDouble() >= 15 * mm - slack, qPrintable(where));
                QVERIFY2(w.captured(3).toDouble() <= width - 15 * mm + slack, qPrintable(where));
                QVERIFY2(w.captured(4).toDouble() <= height - 15 * mm + slack, qPrintable(where));
                printed += w.captured(5);
            }
        }
        QCOMPARE(qRound(width / mm), 210);
        QVERIFY(pages >= 3);
        QString expected;
        for (const PrintLine &line : quote::quoteDocument(lines))
            expected += QString(line.text).remove(' ');
        QCOMPARE(printed.replace("&amp;", "&"), expected);
    }

    void printingFromTheOptionsPage_data()
    {
        QTest::addColumn<QString>("pdfName");  // empty: the user cancels
        QTest::addColumn<bool>("printed");
        QTest::newRow("cancelled") << "" << false;
        QTest::newRow("to a PDF file") << "angebot.pdf" << true;
        QTest::newRow("folder vanished") << "weg/angebot.pdf" << false;
    }
    void printingFromTheOptionsPage()
    {
        QFETCH(QString, pdfName);
        QFETCH(bool, printed);
        QTemporaryDir dir;
        PrintingUser user;
        user.pdf = pdfName.isEmpty() ? QString() : dir.filePath(pdfName);
        list()->clear();
        list()->addItems({"Zeile eins", "Zeile zwei"});
        trigger("Drucken1");
        QCOMPARE(user.printDialogs, QStringList{"PrintDialog1"});
        QCOMPARE(QFile::exists(user.pdf), printed);
        const bool failed = !pdfName.isEmpty() && !printed;
        QCOMPARE(user.errors.size(), failed ? 1 : 0);
        if (failed)
            QVERIFY2(user.errors[0].startsWith("Cannot create file " + user.pdf), qPrintable(user.errors[0]));
        if (printed)
            QCOMPARE(readPdf(user.pdf), expectedReading({"Zeile eins", "Zeile zwei"}));
    }

    // A full disk used to cut an existing PDF of the same name to nothing, silently.
    void failedPdfLeavesTheOldOneAndSaysSo_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("error");
        QTest::newRow("printed to a file") << "Drucken1" << "Cannot create file ";
        QTest::newRow("saved as PDF") << "PDF1" << "Das Angebot konnte nicht als PDF gespeichert werden:\n";
    }
    void failedPdfLeavesTheOldOneAndSaysSo()
    {
        QFETCH(QString, entry);
        QFETCH(QString, error);
        QTemporaryDir dir;
        PrintingUser user;
        user.pdf = dir.filePath("angebot.pdf");
        QFile old(user.pdf);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("%PDF- old quote");
        old.close();
        list()->clear();
        list()->addItems(QStringList(200, QString(60, 'x')));

        {
            FullDisk disk(4096);
            trigger(qPrintable(entry));
        }

        QCOMPARE(user.errors.size(), 1);
        QVERIFY2(user.errors[0].startsWith(error + user.pdf), qPrintable(user.errors[0]));
        QCOMPARE(user.messages, QStringList());
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("%PDF- old quote"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"angebot.pdf"});
    }

    void aPrinterThatCannotStartIsAnIoError()
    {
        QPdfWriter unreachable(QDir::temp().filePath("weg-nixaro/none/angebot.pdf"));
        quote::LinePrinter device(unreachable);
        try {
            device.open();
            QFAIL("the device opened");
        } catch (const Error &e) {
            QVERIFY2(e.message().startsWith("I/O error "), qPrintable(e.message()));
        }
    }

    void printJobIsNamedAndProposesItsPdfInTheDocumentsFolder()
    {
        QTemporaryDir home;
        QDir(home.path()).mkdir("Documents");
        const QByteArray oldHome = qgetenv("HOME");
        qputenv("HOME", home.path().toLocal8Bit());
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        quote::setUpQuotePrinter(printer);
        qputenv("HOME", oldHome);
        QCOMPARE(printer.docName(), QStringLiteral("Nixaro-Angebot"));
        QCOMPARE(QFileInfo(printer.outputFileName()).fileName(), QStringLiteral("Nixaro-Angebot.pdf"));
        QCOMPARE(QFileInfo(printer.outputFileName()).dir().dirName(), QStringLiteral("Documents"));

        // The printed PDF carries the document name as its title.
        QTemporaryDir dir;
        PrintingUser user;
        user.pdf = dir.filePath("angebot.pdf");
        list()->clear();
        list()->addItems({"Zeile eins"});
        trigger("Drucken1");
        QProcess info;
        info.start("pdfinfo", {user.pdf});
        info.waitForFinished(20000);
        QVERIFY(QString::fromUtf8(info.readAllStandardOutput()).contains(QRegularExpression("Title: +Nixaro-Angebot")));
    }

    // "Als &PDF speichern…" by keyboard: the documents folder proposed; an archivable PDF/A
    // with its metadata and fonts. The file menu as a screen reader reads it.
    void savedPdfCarriesItsMetadata()
    {
        QAccessibleInterface *menu = QAccessible::queryAccessibleInterface(control(PageId::Tsave, "Datei1"));
        QStringList names;
        for (int i = 0; i < menu->childCount(); ++i)
            names << menu->child(i)->text(QAccessible::Name);
        QCOMPARE(names.join('|'), "Drucken|Öffnen|Speichern unter|Als PDF speichern…|Per E-Mail senden…|Beenden");
        QTemporaryDir dir;
        PrintingUser user;
        user.pdf = dir.filePath("angebot.pdf");
        list()->clear();
        list()->addItems(ovalPool);
        chooseByKeyboard(Qt::Key_P);
        QTRY_COMPARE(user.saveDialogs, QStringList{"PDFDialog1 PDF-Dokumente (*.pdf) " + quote::documentsFolder()
                                                    + "/Angebot Ovalformbecken " + today() + ".pdf"});
        QCOMPARE(readPdf(user.pdf), expectedReading(ovalPool));
        const QString info =
            run("pdfinfo", {user.pdf}) + run("pdfinfo", {"-meta", user.pdf}) + run("pdffonts", {user.pdf});
        for (const char *shown : {"Title: +Angebot Nixaro – Ovalformbecken 3,50 m x 7,00 m\n",
                                  "Author: +Marvasten Reinigungs- und Pooltechnik\n", "Creator: +Nixaro\n",
                                  "pdfaid:part=.1. pdfaid:conformance=.B.", "LiberationSans .* yes ",
                                  "<dc:creator><rdf:Seq><rdf:li>Marvasten Reinigungs- und Pooltechnik<"})
            QVERIFY2(info.contains(QRegularExpression(shown)), shown);
        QVERIFY(!info.contains(QRegularExpression(" no +(yes|no) +(yes|no) +\\d+ +\\d+\n")));  // every font embedded
    }

    // "Per &E-Mail senden…" by keyboard: the PDF in the cache folder, handed to a stand-in
    // xdg-email that records its arguments; missing or failing, a mailto: address.
    void mailToTheDealer_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("exitCode");  // of the stand-in; -1: none that runs
        QTest::addColumn<QString>("subject");
        QTest::addColumn<QString>("pdf");  // its name before the date
        const QString oval = "Angebot Nixaro – Ovalformbecken 3,50 m x 7,00 m", name = "Angebot Ovalformbecken";
        QTest::newRow("handed on") << ovalPool << 0 << oval << name;
        QTest::newRow("pools without size, one twice")
            << QStringList{"  Rundbecken", "Volumen: 9m³", "  Achtformbecken", "Beckengröße: 0"} + ovalPool + ovalPool
            << 0
            << "Angebot Nixaro – Rundbecken, Achtformbecken, Ovalformbecken 3,50 m x 7,00 m"
            << "Angebot Rundbecken Achtformbecken Ovalformbecken";
        QTest::newRow("empty list") << QStringList() << 0 << "Angebot Nixaro" << "Angebot";
        QTest::newRow("mail program fails") << ovalPool << 3 << oval << name;
        QTest::newRow("no xdg-email") << ovalPool << -1 << oval << name;
    }
    void mailToTheDealer()
    {
        QFETCH(QStringList, lines);
        QFETCH(int, exitCode);
        QFETCH(QString, subject);
        QFETCH(QString, pdf);
        QTemporaryDir dir;
        const QByteArray path = qgetenv("PATH");
        const auto restore = qScopeGuard([path] { qputenv("PATH", path); qunsetenv("XDG_CACHE_HOME"); });
        qputenv("XDG_CACHE_HOME", QFile::encodeName(dir.filePath("cache")));
        qputenv("PATH", QFile::encodeName(dir.path()) + (exitCode < 0 ? "" : ":" + path));
        QFile script(dir.filePath("xdg-email"));
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\nfor a; do printf '%s\\0' \"$a\"; done >\"$0.part\"; mv \"$0.part\" \"$0.args\"; exit "
                     + QByteArray::number(exitCode) + "\n");
        script.close();
        script.setPermissions(exitCode < 0 ? QFile::ReadOwner : QFile::ReadOwner | QFile::ExeOwner);
        PrintingUser user;
        list()->clear();
        list()->addItems(lines);
        chooseByKeyboard(Qt::Key_E);

        pdf = dir.filePath("cache/Nixaro/" + pdf + ' ' + today() + ".pdf");
        if (exitCode == 0) {
            QFile args(dir.filePath("xdg-email.args"));
            QTRY_VERIFY(args.exists());
            QVERIFY(args.open(QIODevice::ReadOnly));
            const QStringList body = lines.isEmpty() ? QStringList() : QStringList{"--body", lines.join('\n')};
            const QStringList attached = {"--attach", pdf, dealer::emails[0]};
            QCOMPARE(QString::fromUtf8(args.readAll()).split(QChar(0), Qt::SkipEmptyParts),
                     (QStringList{"--utf8", "--subject", subject} + body + attached));
            QCOMPARE(user.messages + user.errors, QStringList());
        } else {
            QTRY_COMPARE(user.messages.size(), 1);
            QVERIFY2(user.messages[0].contains(pdf), qPrintable(user.messages[0]));
            const QUrlQuery query(user.urls.value(0));
            QCOMPARE(user.urls.value(0).toString(QUrl::RemoveQuery), "mailto:" + dealer::emails[0]);
            QCOMPARE(query.queryItemValue("subject", QUrl::FullyDecoded), subject);
            QCOMPARE(query.queryItemValue("body", QUrl::FullyDecoded), lines.join("\r\n"));
        }
        qputenv("PATH", path);
        QCOMPARE(readPdf(pdf), expectedReading(lines));
    }

    // A customer picks a round pool, goes on to the options page through the menu,
    // shows the summary, saves it, opens it again and prints it.
    void walkFromRoundPoolToPrintedQuote()
    {
        QTemporaryDir dir;
        PrintingUser user;
        user.quoteFile = dir.filePath("angebot.nxr");
        user.pdf = dir.filePath("angebot.pdf");
        list()->clear();

        clickOn(control(PageId::Tbg, "Label1"));  // "Rundformbecken"
        QVERIFY(becomesActive(page(PageId::Trd)));
        goToEntry(page(PageId::Trd), GoTo::Optionen)->trigger();
        QVERIFY(becomesActive(page(PageId::Tsave)));
        clickOn(control<QAbstractButton>(PageId::Tsave, "Button3"));
        QCOMPARE(list()->item(1)->text(), QString(26, ' ') + "Rundbecken");
        QStringList summary;
        for (int i = 0; i < list()->count(); ++i)
            summary << list()->item(i)->text();

        trigger("Speichern1");
        list()->clear();
        trigger("ffnen1");
        QCOMPARE(list()->count(), summary.size());
        trigger("Drucken1");
        QCOMPARE(user.messages + user.errors, QStringList());
        const QStringList printed = readPdf(user.pdf);
        QCOMPARE(printed, expectedReading(summary));
        QVERIFY(printed.contains("Rundbecken"));
    }
};

NIXARO_TEST_MAIN(PrintTest)
#include "tst_print.moc"
