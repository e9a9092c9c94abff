// The price list of the pool covers, without windows: prices by size text, refusals,
// and that every size a pool page hands on is listed.
#include "testsupport.h"

#include "app/catalogue.h"
#include "app/numbertext.h"
#include "pages/equipment/coverstables.h"
#include "pages/pool/pooltables.h"

#include <QSet>

using namespace app;
using covers::Cover;

class CoverTablesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pricesBySize_data()
    {
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("safeTop");  // empty: refused
        QTest::addColumn<QString>("cabrioDome");
        QTest::addColumn<QString>("lupo");
        QTest::newRow("round smallest") << "3,50 m" << "359,95" << "1069,00" << "129,95";
        QTest::newRow("round 5,00 m") << "5,00 m" << "529,95" << "1289,00" << "249,95";
        QTest::newRow("round 6,00 m: largest Cabrio Dome") << "6,00 m" << "629,95" << "1499,00" << "339,95";
        QTest::newRow("round 7,00 m: no Cabrio Dome") << "7,00 m" << "759,95" << "" << "469,95";
        QTest::newRow("round largest") << "8,00 m" << "939,00" << "" << "599,00";
        QTest::newRow("eight smallest") << "3,20 x 5,25 m" << "469,95" << "" << "194,95";
        QTest::newRow("eight largest") << "5,00 x 8,55 m" << "759,00" << "" << "439,95";
        QTest::newRow("oval smallest: no Lupo entry") << "3,20 m x 5,25 m" << "479,95" << "" << "";
        QTest::newRow("oval with Cabrio Dome") << "3,20 m x 6,00 m" << "519,00" << "1339,00" << "219,95";
        QTest::newRow("oval 3,50 x 7,00") << "3,50 m x 7,00 m" << "569,00" << "1499,00" << "269,95";
        QTest::newRow("oval 4,16 x 10,00") << "4,16 m x 10,00 m" << "779,00" << "" << "419,95";
        QTest::newRow("oval largest") << "5,00 m x 11,00 m" << "939,00" << "" << "559,00";
        QTest::newRow("rect smallest") << "3,00 x 6,00 m" << "" << "" << "199,95";
        QTest::newRow("rect Lupo at nothing") << "4,50 x 9,00 m" << "" << "" << "0,00";
        QTest::newRow("rect largest") << "5,00 x 9,00 m" << "" << "" << "459,95";
        QTest::newRow("no pool yet") << "0" << "" << "" << "";
        QTest::newRow("empty size") << "" << "" << "" << "";
        QTest::newRow("case and blanks count") << "5,00 M" << "" << "" << "";
        QTest::newRow("no trailing blank") << "5,00 m " << "" << "" << "";
    }
    void pricesBySize()
    {
        QFETCH(QString, size);
        QFETCH(QString, safeTop);
        QFETCH(QString, cabrioDome);
        QFETCH(QString, lupo);
        QCOMPARE(covers::priceFor(Cover::SafeTop, size).toString(), safeTop);
        QCOMPARE(covers::priceFor(Cover::CabrioDome, size).toString(), cabrioDome);
        QCOMPARE(covers::priceFor(Cover::Lupo, size).toString(), lupo);
    }

    void everyPriceIsATwoDecimalNumber()
    {
        for (const covers::SizePrices &row : covers::sizePrices)
            for (Cover cover : {Cover::SafeTop, Cover::CabrioDome, Cover::Lupo}) {
                const QString price = row.price(cover).toString();
                if (price.isEmpty())
                    continue;
                QVERIFY2(fixed2Text(toNumber(price)) == price, qPrintable(row.name.toString() + ": " + price));
            }
    }

    // The oval and the figure-eight size texts differ only in a " m"; each is its own key.
    void sizeTextsAreDistinctKeys()
    {
        QSet<QString> seen;
        for (const covers::SizePrices &row : covers::sizePrices) {
            QVERIFY2(!seen.contains(row.name.toString()), qPrintable(row.name.toString()));
            seen.insert(row.name.toString());
        }
        QCOMPARE(seen.size(), 22);
        QVERIFY(seen.contains("3,20 m x 5,25 m") && seen.contains("3,20 x 5,25 m"));
    }

    void rectangularPoolsTakeOnlyTheLupo()
    {
        int rectangular = 0;
        for (const covers::SizePrices &row : covers::sizePrices) {
            const bool isRect = row.shape == u"Rechteckbecken";
            rectangular += isRect;
            if (isRect) {
                QVERIFY(row.safeTop.isEmpty());
                QVERIFY(row.cabrioDome.isEmpty());
                QVERIFY(!row.lupo.isEmpty());
            } else {
                QVERIFY2(!row.safeTop.isEmpty(), qPrintable(row.name.toString()));
            }
        }
        QCOMPARE(rectangular, 5);
    }

    // Every size text a pool page can hand on is a key of the covers' list, under its shape.
    void everyPoolSizeIsListed_data()
    {
        QTest::addColumn<QString>("shape");
        QTest::addColumn<int>("which");
        QTest::newRow("round") << "Rundbecken" << 0;
        QTest::newRow("oval") << "Ovalformbecken" << 1;
        QTest::newRow("eight") << "Achtformbecken" << 2;
        QTest::newRow("rect") << "Rechteckbecken" << 3;
    }
    void everyPoolSizeIsListed()
    {
        QFETCH(QString, shape);
        QFETCH(int, which);
        const pool::Shape *pools[] = {&pool::roundPool, &pool::ovalPool, &pool::figureEightPool, &pool::rectangularPool};
        for (const pool::Kit &kit : pools[which]->kits) {
            const covers::SizePrices *row = lookUp(covers::sizePrices, kit.size);
            QVERIFY2(row, qPrintable(kit.size.toString()));
            QCOMPARE(row->shape.toString(), shape);
        }
    }
};

NIXARO_TEST_MAIN(CoverTablesTest)
#include "tst_covertables.moc"
