// The underwater cleaners page: its catalogue, the look-up of the chosen cleaner, the
// grand total it hands to the options page, and the walk from the floor cleaning there.
#include "testsupport.h"

#include "app/daten.h"
#include "pages/equipment/cleanertables.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScrollBar>

using namespace app;
using namespace testing;

namespace {

constexpr PageId cleanerPage = PageId::Tureiniger;

const QStringList pictureNames = {"buggyimage", "infimage", "vivaimage", "urein4", "urein5"};

QString text(const char *edit)
{
    return control<QLineEdit>(cleanerPage, edit)->text();
}

QComboBox *list() { return control<QComboBox>(cleanerPage, "urein_auswahl"); }
QPlainTextEdit *memo() { return control<QPlainTextEdit>(cleanerPage, "urein_info"); }

// The row as the user picks it from the drop-down list.
void choose(int row)
{
    list()->setCurrentIndex(row);
    Q_EMIT list()->activated(row);
}

QStringList shownPictures()
{
    QStringList shown;
    for (const QString &name : pictureNames)
        if (!control(cleanerPage, qPrintable(name))->isHidden())
            shown << name;
    return shown;
}

const cleaners::Cleaner &row(int i) { return cleaners::catalogue[std::size_t(i)]; }

} // namespace

class UnderwaterCleanerTest : public QObject
{
    Q_OBJECT

    FreshProgram program;
    FakeDialogs *user = nullptr;

    void open(const QString &summe8)
    {
        user = &program.start();
        daten.summe8 = summe8;
        goTo(cleanerPage);
    }

private Q_SLOTS:
    void cleanup()
    {
        program.end();
        user = nullptr;
    }

    // ---- the catalogue, without windows

    void catalogue_data()
    {
        QTest::addColumn<int>("i");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("price");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<int>("lineCount");
        QTest::newRow("none") << 0 << "Ich möchte keinen Unterwasserreiniger auswählen" << "0,00" << "" << 0;
        QTest::newRow("Buggy") << 1 << "Automatischer Unterwasserreiniger \"Buggy\"" << "260,00" << "buggyimage" << 13;
        QTest::newRow("Smart") << 2 << "Vollautomatischer Unterwasserreingiger \"Smart ACTIVE Cleaner\"" << "1100,00"
                               << "infimage" << 18;
        QTest::newRow("I-Top") << 3 << "Vollautomatischer Unterwasserreingiger \"I-Top CL\"" << "1399,00" << "vivaimage" << 18;
        QTest::newRow("Comfort") << 4 << "Vollautomatischer Unterwasserreingiger \"Comfort ACTIVE Cleaner\"" << "1850,00"
                                 << "urein4" << 18;
        QTest::newRow("Deluxe") << 5 << "Vollautomatischer Unterwasserreingiger \"Deluxe ACTIVE Cleaner\"" << "2350,00"
                                << "urein5" << 18;
    }
    void catalogue()
    {
        QFETCH(int, i);
        QFETCH(QString, name);
        QFETCH(QString, price);
        QFETCH(QString, picture);
        QFETCH(int, lineCount);
        QCOMPARE(qsizetype(cleaners::catalogue.size()), 6);
        QCOMPARE(row(i).name.toString(), name);
        QCOMPARE(row(i).price.toString(), price);
        QCOMPARE(QString::fromLatin1(row(i).picture ? row(i).picture : ""), picture);
        QCOMPARE(cleaners::description(row(i)).size(), lineCount);
    }

    void buggyDescription()
    {
        const QStringList lines = cleaners::description(row(1));
        QCOMPARE(lines.first(), QString(11, ' ') + "Unterwasserreiniger \"BUGGY\"");
        QCOMPARE(lines.at(4), QString("Der Schwimmbeckenboden wird durch den \"BUGGY\" selbstständig gereinigt."));
        QCOMPARE(lines.mid(9), (QStringList{"Zubehör:", "Wandkonsole", "Grobfilter", ""}));
    }

    // The robots' data sheets: every key padded so that the values begin in one column;
    // only the second warranty line of the I-Top CL stands further right.
    void dataSheetsLineUp_data()
    {
        QTest::addColumn<int>("i");
        for (int i = 2; i <= 5; ++i)
            QTest::newRow(qPrintable(row(i).name.toString())) << i;
    }
    void dataSheetsLineUp()
    {
        QFETCH(int, i);
        static const QRegularExpression entry("^([^ :][^:]*:) +(\\S.*)$");
        const QStringList lines = cleaners::description(row(i));
        int entries = 0;
        for (const QString &line : lines) {
            const auto match = entry.match(line);
            if (!match.hasMatch() || line == "Garantie:                         3 Jahre")
                continue;
            ++entries;
            QVERIFY2(match.capturedStart(2) == cleaners::dataSheetColumn, qPrintable(line));
            QVERIFY2(!line.endsWith(' '), qPrintable(line));
        }
        QCOMPARE(entries, 13);  // one line per key
        QCOMPARE(lines.at(2), QString());
        QCOMPARE(lines.at(6), QString());
        const QStringList keys = {"Anschlußspannung:", "Gerätespannung:", "Kabellänge:", "Reinigungszyklus:",
                                  "Fernbedienung:", "Reinigungsprogramm:", "Lauffläche:", "Zusätzl. Funktionen:",
                                  "Saugleistung:", "Filtersystem:", "Gerätegewicht:", "Transportwagen:", "Garantie:"};
        QStringList shownKeys;
        for (const QString &line : lines.mid(3))
            if (line.contains(':'))
                shownKeys << line.left(line.indexOf(':') + 1);
        shownKeys.removeDuplicates();
        QCOMPARE(shownKeys, keys);
    }

    void dataSheetValues_data()
    {
        QTest::addColumn<int>("i");
        QTest::addColumn<QStringList>("values");  // cycle, remote control, suction, weight
        QTest::addColumn<QString>("last");
        QTest::newRow("Smart") << 2 << QStringList{"2,5 Stunden", "Nein", "16 m³ /h", "ca. 9,5 kg"}
                               << "Technische Änderungen vorbehalten!";
        QTest::newRow("I-Top") << 3 << QStringList{"3 Stunden", "Nein", "16 m³ /h", "ca. 9,5 kg"}
                               << "Garantie:                         3 Jahre";
        QTest::newRow("Comfort") << 4 << QStringList{"3 Stunden", "Nein", "17 m³ /h", "ca. 10 kg"}
                                 << "Technische Änderungen vorbehalten!";
        QTest::newRow("Deluxe") << 5
                                << QStringList{"1,5 / 2,5 / 3,5 Stunden", "Einstellung der Parameter und Reinigungs-Programme",
                                               "17 m³ /h", "ca. 10 kg"}
                                << "Technische Änderungen vorbehalten!";
    }
    void dataSheetValues()
    {
        QFETCH(int, i);
        QFETCH(QStringList, values);
        QFETCH(QString, last);
        const QStringList lines = cleaners::description(row(i));
        const auto value = [&](const QString &key) {
            for (const QString &line : lines)
                if (line.startsWith(key))
                    return line.mid(cleaners::dataSheetColumn);
            return QString("<none>");
        };
        QCOMPARE((QStringList{value("Reinigungszyklus:"), value("Fernbedienung:"), value("Saugleistung:"),
                              value("Gerätegewicht:")}),
                 values);
        QCOMPARE(lines.last(), last);
    }

    // ---- the page

    void formAsCreated()
    {
        open("0");
        QVERIFY(!list()->isEditable());
        QCOMPARE(list()->count(), 6);
        QCOMPARE(list()->currentIndex(), -1);
        QCOMPARE(list()->currentText(), QString());
        QVERIFY(memo()->isReadOnly());
        QCOMPARE(memo()->toPlainText(), QString());
        QCOMPARE(shownPictures(), QStringList());
        QCOMPARE(text("upr"), QString("0,00"));
        QCOMPARE(text("bodenurein"), QString("0,00"));
    }

    void lookUp_data()
    {
        QTest::addColumn<int>("i");
        QTest::addColumn<QString>("price");
        QTest::addColumn<QStringList>("pictures");
        QTest::newRow("none") << 0 << "0,00" << QStringList{};
        QTest::newRow("Buggy") << 1 << "260,00" << QStringList{"buggyimage"};
        QTest::newRow("Smart") << 2 << "1100,00" << QStringList{"infimage"};
        QTest::newRow("I-Top") << 3 << "1399,00" << QStringList{"vivaimage"};
        QTest::newRow("Comfort") << 4 << "1850,00" << QStringList{"urein4"};
        QTest::newRow("Deluxe") << 5 << "2350,00" << QStringList{"urein5"};
    }
    void lookUp()
    {
        QFETCH(int, i);
        QFETCH(QString, price);
        QFETCH(QStringList, pictures);
        open("0");
        // Another cleaner first, its memo scrolled down: the look-up replaces everything.
        choose(i == 5 ? 4 : 5);
        memo()->verticalScrollBar()->setValue(memo()->verticalScrollBar()->maximum());
        choose(i);
        QCOMPARE(memo()->toPlainText(), cleaners::description(row(i)).join('\n'));
        QCOMPARE(memo()->verticalScrollBar()->value(), 0);
        QCOMPARE(memo()->textCursor().position(), 0);
        QCOMPARE(shownPictures(), pictures);
        QCOMPARE(text("upr"), price);
    }

    void noCleanerAfterACleaner()
    {
        open("3334,95");
        choose(1);
        choose(0);
        QCOMPARE(memo()->toPlainText(), QString());
        QCOMPARE(shownPictures(), QStringList());
        QCOMPARE(text("upr"), QString("0,00"));
        clickOn(control(cleanerPage, "Button3"));
        QCOMPARE(daten.reinigerzeile, QString("Ich möchte keinen Unterwasserreiniger auswählen"));
        QCOMPARE(daten.gesamtpreis, QString("3334,95"));
    }

    void nextWithoutAChoice_data()
    {
        QTest::addColumn<QString>("summe8");
        QTest::addColumn<QString>("grandTotal");
        QTest::addColumn<QString>("shown");  // on the options page
        QTest::newRow("after the reset") << "0" << "0" << "0,00";
        QTest::newRow("floor-cleaning total") << "3334,95" << "3334,95" << "3334,95";
        QTest::newRow("whole euros") << "3000,00" << "3000" << "3000,00";
    }
    void nextWithoutAChoice()
    {
        QFETCH(QString, summe8);
        QFETCH(QString, grandTotal);
        QFETCH(QString, shown);
        open(summe8);
        clickOn(control(cleanerPage, "Button3"));
        QCOMPARE(daten.reinigerzeile, QString());
        QCOMPARE(daten.gesamtpreis, grandTotal);
        QVERIFY(becomesActive(page(PageId::Tsave)));
        QCOMPARE(control<QLineEdit>(PageId::Tsave, "beck_end")->text(), shown);
    }

    // The grand total keeps the shortest number text: cents of 50 end in 5.
    void grandTotalAsGeneralNumberText_data()
    {
        QTest::addColumn<QString>("summe8");
        QTest::addColumn<int>("i");
        QTest::addColumn<QString>("grandTotal");
        QTest::newRow("Buggy, cents of 50") << "1062,50" << 1 << "1322,5";
        QTest::newRow("Buggy") << "3334,95" << 1 << "3594,95";
        QTest::newRow("I-Top, whole euros") << "2000,00" << 3 << "3399";
        QTest::newRow("Deluxe") << "12345,67" << 5 << "14695,67";
    }
    void grandTotalAsGeneralNumberText()
    {
        QFETCH(QString, summe8);
        QFETCH(int, i);
        QFETCH(QString, grandTotal);
        open("0");
        choose(i);
        daten.summe8 = summe8;  // "&Weiter -->" reads the step before once more
        clickOn(control(cleanerPage, "Button3"));
        QCOMPARE(text("bodenurein"), QString(summe8));
        QCOMPARE(daten.reinigerzeile, row(i).name.toString());
        QCOMPARE(daten.gesamtpreis, grandTotal);
    }

    void activationShowsTheFloorCleaningTotal()
    {
        open("3334,95");
        QCOMPARE(text("bodenurein"), QString("3334,95"));
        goTo(PageId::Tbrs);  // writes its own total to summe8 only on "&Weiter -->"
        daten.summe8 = "0";
        goTo(cleanerPage);
        QCOMPARE(text("bodenurein"), QString("0,00"));
    }

    void totalThatIsNoNumberStopsNext()
    {
        open("0");
        choose(1);
        daten.summe8 = "abc";
        daten.gesamtpreis = daten.reinigerzeile = "vorher";
        clickOn(control(cleanerPage, "Button3"));
        QCOMPARE(user->errors, QStringList{"'abc' is not a valid floating point value"});
        QCOMPARE(daten.reinigerzeile, QString("vorher"));
        QCOMPARE(daten.gesamtpreis, QString("vorher"));
        QVERIFY(!page(PageId::Tsave)->isVisible());
    }

    void backToTheFloorCleaning()
    {
        open("0");
        clickOn(control(cleanerPage, "Button1"));
        QVERIFY(becomesActive(page(PageId::Tbrs)));
    }

    // A customer passes the floor cleaning and the cleaners on to the options page.
    void walkToTheOptions()
    {
        open("0");
        daten.summe7 = "3000";
        goTo(PageId::Tbrs);
        for (const char *name : {"bdab", "brab", "bslxs"})
            clickOn(control(PageId::Tbrs, name));
        clickOn(control(PageId::Tbrs, "Button3"));
        QVERIFY(becomesActive(page(cleanerPage)));
        QCOMPARE(text("bodenurein"), QString("3334,95"));
        choose(1);
        clickOn(control(cleanerPage, "Button3"));
        QVERIFY(becomesActive(page(PageId::Tsave)));
        QCOMPARE(daten.gesamtpreis, QString("3594,95"));
        QCOMPARE(control<QLineEdit>(PageId::Tsave, "beck_end")->text(), QString("3594,95"));
        QCOMPARE(daten.bodenablauf, QString("Bodenablauf aus Rotguss"));
        QCOMPARE(daten.bodenset, QString("Bodenreingerset \"Luxus\""));
        QCOMPARE(daten.bodensetpreis, QString("99,95"));
        QCOMPARE(daten.reinigerzeile, QString("Automatischer Unterwasserreiniger \"Buggy\""));
    }
};

NIXARO_TEST_MAIN(UnderwaterCleanerTest)
#include "tst_underwatercleaner.moc"
