// The water-heating catalogue without windows: the absorber list and its prices, the
// heat pumps by pool volume, the fixed prices and the absorber areas of the sizing page.
#include "testsupport.h"

#include "pages/heating/heatingtables.h"

#include <QCoreApplication>

using namespace heating;

class HeatingTablesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void absorberPrices_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("price");
        QTest::addColumn<bool>("totalAtOnce");
        QTest::newRow("none") << "Ich möchte keine Solarabsorber" << "0,00" << false;
        QTest::newRow("2,40") << "2,00 x 1,20 m = 2,40 m²" << "269,95" << true;
        QTest::newRow("3,60") << "3,00 x 1,20 m = 3,60 m²" << "309,95" << false;
        QTest::newRow("4,80") << "4,00 x 1,20 m = 4,80 m²" << "359,95" << false;
        QTest::newRow("6,00") << "5,00 x 1,20 m = 6,00 m²" << "399,95" << false;
        QTest::newRow("7,20") << "6,00 x 1,20 m = 7,20 m²" << "449,95" << false;
        QTest::newRow("8,40") << "7,00 x 1,20 m = 8,40 m²" << "499,95" << false;
    }
    void absorberPrices()
    {
        QFETCH(QString, name);
        QFETCH(QString, price);
        QFETCH(bool, totalAtOnce);
        const Absorber *absorber = findAbsorber(name);
        QVERIFY(absorber);
        QCOMPARE(absorber->price.toString(), price);
        QCOMPARE(absorber->totalAtOnce, totalAtOnce);
    }

    void absorberListInItsOrder()
    {
        QStringList names;
        for (const Absorber &absorber : absorbers)
            names << absorber.name.toString();
        QCOMPARE(names.size(), 7);
        QCOMPARE(names.first(), QStringLiteral("Ich möchte keine Solarabsorber"));
        QCOMPARE(names.last(), QStringLiteral("7,00 x 1,20 m = 8,40 m²"));
    }

    void textsThatNameNoAbsorber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("prompt") << absorberPrompt.toString();
        QTest::newRow("typed part") << "2,00 x 1,20 m";
        QTest::newRow("other case") << "ich möchte keine solarabsorber";
        QTest::newRow("trailing blank") << "3,00 x 1,20 m = 3,60 m² ";
        QTest::newRow("empty") << "";
    }
    void textsThatNameNoAbsorber()
    {
        QFETCH(QString, text);
        QVERIFY(!findAbsorber(text));
    }

    void fixedPrices()
    {
        QCOMPARE(noPrice.toString(), QStringLiteral("0,00"));
        QCOMPARE(controllerPrice.toString(), QStringLiteral("629,00"));
        QCOMPARE(showerPrice.toString(), QStringLiteral("629,00"));
        QCOMPARE(absorberPrompt.toString(), QStringLiteral("Auswahl der Solarkollektgröße"));
    }

    // Compared as texts: the volumes of the pool pages are whole cubic metres in two digits.
    void heatPumpByVolumeText_data()
    {
        QTest::addColumn<QString>("volume");
        QTest::addColumn<QString>("price");  // empty: no price, the field keeps its own
        QTest::newRow("after the reset") << "0" << "1199,00";
        QTest::newRow("11") << "11" << "1199,00";
        QTest::newRow("20") << "20" << "1199,00";
        QTest::newRow("21") << "21" << "1499,00";
        QTest::newRow("30") << "30" << "1499,00";
        QTest::newRow("31") << "31" << "1899,00";
        QTest::newRow("45") << "45" << "1899,00";
        QTest::newRow("46") << "46" << "2299,00";
        QTest::newRow("60") << "60" << "2299,00";
        QTest::newRow("64") << "64" << "";
        QTest::newRow("70") << "70" << "";
        QTest::newRow("75") << "75" << "";
        // no numbers: one digit sorts after "60", three digits starting with 1 before "20"
        QTest::newRow("8 as text") << "8" << "";
        QTest::newRow("100 as text") << "100" << "1199,00";
        QTest::newRow("empty") << "" << "1199,00";
    }
    void heatPumpByVolumeText()
    {
        QFETCH(QString, volume);
        QFETCH(QString, price);
        const auto found = heatPumpPrice(volume);
        QCOMPARE(found.has_value(), !price.isEmpty());
        if (found)
            QCOMPARE(found->toString(), price);
    }

    void absorberAreasOfTheSizingPage()
    {
        QStringList buttons;
        QList<double> areas;
        for (const AbsorberArea &size : absorberAreas) {
            buttons << QString::fromLatin1(size.button);
            areas << double(size.area);
        }
        QCOMPARE(buttons, (QStringList{"s2", "s3", "s4", "s6", "s7", "s8"}));
        QCOMPARE(areas, (QList<double>{2.4, 3.6, 4.8, 6.0, 7.2, 8.4}));
        // the areas as the page writes them
        QCOMPARE(app::generalText(absorberAreas[0].area), QStringLiteral("2,4"));
        QCOMPARE(app::generalText(3 * absorberAreas[5].area), QStringLiteral("25,2"));
    }
};

// No windows: a core application in the locale of the run.
int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    testing::checkTestLocale();
    HeatingTablesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_heatingtables.moc"
