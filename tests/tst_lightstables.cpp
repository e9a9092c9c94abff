// The lights list, without windows: order, prices, pictures and descriptions as the
// catalogue writes them.
#include "testsupport.h"

#include "app/catalogue.h"
#include "pages/equipment/lightstables.h"

using namespace lights;

class LightsTablesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void listOrderAndPrices()
    {
        QStringList names, prices;
        for (const Light &light : catalogue()) {
            names << light.name.toString();
            prices << light.price.toString();
        }
        QCOMPARE(names, (QStringList{"Wählen Sie einen Unterwasserscheinwerfer aus dieser Liste",
                                     "Einhänge-Halogen-Scheinwerfer",
                                     "LED-Unterwasserscheinwerfer aus ABS für Aufstellbecken",
                                     "LED-Flachscheinwerfer aus ABS, Licht: weiß 24,2 Watt",
                                     "LED-Flachscheinwerfer aus ABS, Licht: RGB", ""}));
        QCOMPARE(prices, (QStringList{"0,00", "149,95", "209,95", "229,95", "279,95", "0,00"}));
    }

    // Only the exact name finds a light; the prompt and the empty item describe nothing.
    void lookUpIsExact()
    {
        QVERIFY(!app::lookUp(catalogue(), u"einhänge-halogen-scheinwerfer"));
        QVERIFY(!app::lookUp(catalogue(), u"Einhänge-Halogen-Scheinwerfer "));
        QCOMPARE(app::lookUp(catalogue(), u"Einhänge-Halogen-Scheinwerfer")->price, u"149,95");
        for (QStringView placeholder : {QStringView(u"Wählen Sie einen Unterwasserscheinwerfer aus dieser Liste"),
                                        QStringView(u"")}) {
            const Light *light = app::lookUp(catalogue(), placeholder);
            QVERIFY(light && light->description.empty() && light->pictures.empty());
        }
    }

    // Every picture a light shows is one of the page's pictures.
    void picturesBelongToThePage()
    {
        QStringList page;
        for (const char *name : allPictures())
            page << QString::fromLatin1(name);
        QCOMPARE(page.size(), 11);
        for (const Light &light : catalogue())
            for (const char *name : light.pictures)
                QVERIFY2(page.contains(QString::fromLatin1(name)), name);
    }

    // Misspellings, double blanks, the trailing blank and the inch sign belong to the texts.
    void descriptionsAsTheCatalogueWritesThem()
    {
        const auto items = catalogue();
        QCOMPARE(items[1].fill, Fill::WholeText);
        QCOMPARE(items[2].fill, Fill::WholeText);
        QCOMPARE(items[3].fill, Fill::AddedLines);
        QCOMPARE(items[4].fill, Fill::AddedLines);
        QCOMPARE(items[3].description.size(), std::size_t(2));
        QVERIFY(items[3].description[0].endsWith(u"1.860 Lumen. "));
        QVERIFY(items[3].description[0].contains(u"1½\" AG"));
        QCOMPARE(items[3].description[1], u"inkl.  Kabel");
        QCOMPARE(items[4].description.size(), std::size_t(2));
        QVERIFY(items[4].description[0].contains(u"inkl. Fernedienung Betriebsdauer"));
        QVERIFY(items[4].description[1].isEmpty());
        QVERIFY(items[2].description[0].contains(u"Fernbedienung.6 m Kabel"));
    }
};

NIXARO_TEST_MAIN(LightsTablesTest)
#include "tst_lightstables.moc"
