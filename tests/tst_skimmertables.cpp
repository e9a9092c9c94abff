// The skimmer page's price list, without windows: the offers for rectangular and other
// pools, the nozzle rows and the lines handed on to the quote.
#include "testsupport.h"

#include "app/catalogue.h"
#include "pages/equipment/skimmertables.h"

using namespace skimmer;
using app::linesOf;

class SkimmerTablesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A rectangular pool adds the wall feed-through to the same skimmer, at a higher price.
    void rectangularOffersAddTheWallFeedThrough()
    {
        QStringList plastic = linesOf(plasticSkimmer.rectangular.lines);
        plastic.first().remove(QStringLiteral("Mauerdruchführung, "));
        QCOMPARE(plastic, linesOf(plasticSkimmer.other.lines));
        QCOMPARE(plasticSkimmer.rectangular.price, u"90,00");
        QCOMPARE(plasticSkimmer.other.price, u"69,95");

        QStringList bronze = linesOf(bronzeSkimmer.rectangular.lines);
        QCOMPARE(bronze.indexOf(QStringLiteral("Wanddurchführung:")), bronze.indexOf(QStringLiteral("Einlaufdüse:")) + 1);
        bronze.removeOne(QStringLiteral("Wanddurchführung:"));
        QCOMPARE(bronze, linesOf(bronzeSkimmer.other.lines));
        QCOMPARE(bronzeSkimmer.rectangular.price, u"1310,00");
        QCOMPARE(bronzeSkimmer.other.price, u"1200,00");
    }

    // The catalogue's own spelling: the inch sign as a straight double quote.
    void textsAsTheCatalogueWritesThem()
    {
        QCOMPARE(linesOf(bronzeSkimmer.other.lines).at(1),
                 QStringLiteral("Oberflächenabsauger/Skimmer aus Rotguss, mit 1 abgang 2\" IG,"));
        QVERIFY(linesOf(nozzle(NozzleType::Plastic, false).lines).contains(QStringLiteral("R2\" außen und d-50 innen.")));
        QCOMPARE(plasticSkimmer.quoteLine, u"Einbauskimmerset");
        QCOMPARE(bronzeSkimmer.quoteLine, u"Oberflächenabsauger/Skimmer aus Rotguss");
        QCOMPARE(noSkimmerLine, u"Kein Einbauskimmerset ausgewählt !!!");
        QCOMPARE(noNozzleLine, u"Keine zusätzliche Einlaufdüse ausgewählt !!!");
    }

    void nozzleRows_data()
    {
        QTest::addColumn<bool>("bronze");
        QTest::addColumn<bool>("wall");
        QTest::addColumn<QString>("price");
        QTest::addColumn<QString>("tabPage");
        QTest::addColumn<bool>("picture");
        QTest::addColumn<QString>("line");  // with the count 2
        QTest::newRow("plastic with wall") << false << true << "49,95" << "TabSheet3" << true
                                           << "zusätzliche Wanddurchführung inkl. Einlaufdüse aus Kunststoff     2 x";
        QTest::newRow("bronze with wall") << true << true << "179,95" << "TabSheet4" << true
                                          << "zusätzliche Wanddurchführung inkl. Einlaufdüse aus Rotguss     2 x";
        QTest::newRow("plastic") << false << false << "30,95" << "TabSheet3" << true
                                 << "zusätzliche Kunststoff Einlaufdüse     2 x";
        QTest::newRow("bronze") << true << false << "105,00" << "TabSheet4" << false
                                << "zusätzliche Einlaufdüse aus Rotguss     2 x";
    }
    void nozzleRows()
    {
        QFETCH(bool, bronze);
        QFETCH(bool, wall);
        QFETCH(QString, price);
        QFETCH(QString, tabPage);
        QFETCH(bool, picture);
        QFETCH(QString, line);
        const Nozzle &row = nozzle(bronze ? NozzleType::Bronze : NozzleType::Plastic, wall);
        QCOMPARE(row.type, bronze ? NozzleType::Bronze : NozzleType::Plastic);
        QCOMPARE(row.wallFeedThrough, wall);
        QCOMPARE(row.price.toString(), price);
        QCOMPARE(QString::fromLatin1(row.tabPage), tabPage);
        QCOMPARE(row.showsNozzlePicture, picture);
        QCOMPARE(nozzleLine(row, u"2"), line);
    }
};

NIXARO_TEST_MAIN(SkimmerTablesTest)
#include "tst_skimmertables.moc"
