// The filter catalogue, its volume bands and the electrolysis units, without windows.
#include "testsupport.h"

#include "app/catalogue.h"
#include "app/numbertext.h"
#include "pages/equipment/filtertables.h"

using namespace app;
using namespace filter;

namespace {

const Filter &row(int number)
{
    return catalogue[number - 1];
}

} // namespace

class FilterTablesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyPriceIsATwoDecimalNumber()
    {
        QCOMPARE(int(catalogue.size()), 56);
        for (const Filter &filter : catalogue) {
            const QString price = filter.price.toString();
            QCOMPARE(fixed2Text(toNumber(price)), price);
            QVERIFY2(toNumber(price) > 0, qPrintable(filter.name.toString()));
        }
        for (const Electrolysis &unit : electrolysisUnits)
            QCOMPARE(fixed2Text(toNumber(unit.price.toString())), unit.price.toString());
    }

    void everyRowShowsAPictureOfThePage()
    {
        const QStringList names(std::begin(pictures), std::end(pictures));
        QCOMPARE(names.size(), 12);
        for (const Filter &filter : catalogue)
            QVERIFY2(names.contains(QString::fromLatin1(filter.picture)), filter.picture);
        QCOMPARE(QString::fromLatin1(row(cartridgeRow).picture), QStringLiteral("ef21"));
    }

    // Rows 29 and 30 carry one name; the first of them is always the one found.
    void onlyRowsTwentyNineAndThirtyShareAName()
    {
        QCOMPARE(row(29).name, row(30).name);
        QCOMPARE(lookUp(catalogue, row(30).name), &row(29));
        for (const Filter &filter : catalogue)
            if (&filter != &row(30))
                QCOMPARE(lookUp(catalogue, filter.name), &filter);
        QCOMPARE(lookUp(catalogue, u"GFK Kessel 450 / Side mount /i-plus 70"), nullptr);  // the name has two blanks
        QCOMPARE(lookUp(catalogue, u""), nullptr);
    }

    void quotedDescriptions_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("1, cartridge, no empty line")
            << 1
            << QStringList{"Einhänge-Kartuschenfilteranlage Pumpenleistung 5 m³/h",
                           "für Stahlmantelbecken bis 16 m3 Inhalt,inkl. Schutztrafo und Schraubfilterkartusche"};
        QTest::newRow("2") << 2
                           << QStringList{"Filteranlage mit Kunststoffkessel 300mm Ø. Auf Kessel aufgesetztem 6-Wege Ventil "
                                          "1 1/2\" und Manometer. Selbstansaugende Pumpe mit Vorfilter (Aqua Plus 4) / 0,18 "
                                          "kW P2. Pumpenleistung 4m³/h. Empf. max. Beckengröße 20m³. Kabel und Stecker "
                                          "vorinstalliert.",
                                          "Filter und Pumpe sind auf einer Palette vormontiert.", ""};
        QTest::newRow("34, heating filter, no empty line")
            << 34
            << QStringList{"Heizfilteranlage mit geteitem Kunststoffkessel 400mm Ø zur gleichzeitigen Wassererwärmung. "
                           "Seitlich abgehendem 6-Wege Ventil 1 1/2\" und Manometer. Selbstansaugende Pumpe mit "
                           "Vorfilter (i-star 10) / 0,3kW P2, 230V.Pumpenleistung 10m³/h. Empf. max. ",
                           "Beckengröße 50m³. Kabel und Stecker vorinstalliert. Filter und Pumpe sind auf einer Palette "
                           "vormontiert."};
        QTest::newRow("56") << 56
                            << QStringList{"Filteranlage mit GFK Kessel 800 mm Ø mit Restwasserentleerungsventil. "
                                           "Wasserverteilung durch Filterkreuz. Höhe Filterkessel 1045mm. Seitlich "
                                           "abgehendem 6-Wege Ventil 1 1/2\", Manometer. Selbstansaugende Pumpe mit "
                                           "Vorfilter (i-star 26) / 1,00 kW P2,",
                                           "230 V.Pumpenleistung 26m³/h. Empf. max. Beckengröße 130m³. Kabel und Stecker "
                                           "vorinstalliert. Filter und Pumpe sind auf einer Palette vormontiert.",
                                           ""};
    }
    void quotedDescriptions()
    {
        QFETCH(int, number);
        QFETCH(QStringList, lines);
        QCOMPARE(row(number).description(), lines);
    }

    // Two lines, an empty line under them where there is one, and the pool size the
    // catalogue rates the system for.
    void everyDescriptionNamesItsRatedPool()
    {
        for (const Filter &filter : catalogue) {
            const QStringList lines = filter.description();
            QVERIFY(lines.size() == 2 || (lines.size() == 3 && lines.last().isEmpty()));
            QVERIFY(!lines[0].isEmpty() && !lines[1].isEmpty());
            const QString rated = &filter == &row(cartridgeRow)
                ? QStringLiteral("bis %1 m3").arg(filter.ratedVolume)
                : QStringLiteral("Beckengröße %1m³").arg(filter.ratedVolume);
            QVERIFY2(lines.join(QString()).contains(rated), qPrintable(filter.name.toString()));
        }
        QCOMPARE(row(30).description(), row(29).description());
    }

    // Each band as the catalogue lists it: from its first row to the end.
    void volumeBands_data()
    {
        QTest::addColumn<QString>("volume");
        QTest::addColumn<QString>("list");
        QTest::addColumn<int>("firstRow");
        QTest::addColumn<QString>("firstName");
        QTest::newRow("0") << "0" << "bis20" << 1 << "Einhängekartuschenfilter Pumpenleistung 5 m³/h";
        QTest::newRow("24") << "24" << "bis20" << 1 << "Einhängekartuschenfilter Pumpenleistung 5 m³/h";
        QTest::newRow("24,5") << "24,5" << "bis25" << 3 << "Kunststoffkessel 300 / Top mount /i-plus 55";
        QTest::newRow("25") << "25" << "bis25" << 3 << "Kunststoffkessel 300 / Top mount /i-plus 55";
        QTest::newRow("30") << "30" << "bis30" << 6 << "Glasfaser- Kunststoffkessel 350 / Side mount /i-plus 70";
        QTest::newRow("35") << "35" << "bis35" << 11 << "Kunststoffkessel 390 / Top mount /TC 80";
        QTest::newRow("40") << "40" << "bis40" << 17 << "Kunststoffkessel 470 / Top mount /i-plus 90";
        QTest::newRow("45") << "45" << "bis45" << 24 << "Glasfaser- Kunststoffkessel 450 / Side mount /i-plus 90";
        QTest::newRow("50") << "50" << "bis50" << 33 << "Kunststoffkessel geteilt 400 / Side mount /i-star 10";
        QTest::newRow("55") << "55" << "bis55" << 43 << "Kunststoffkessel 470 / Top mount /TC 140";
        QTest::newRow("64") << "64" << "bis60" << 45 << "GFK Kessel 500 / Side mount / Zeitsteuerung /C 140";
        QTest::newRow("64,1") << "64,1" << "bis65" << 47 << "Kunststoffkessel geteilt 500 / Side mount /i-star 13";
        QTest::newRow("120") << "120" << "bis65" << 47 << "Kunststoffkessel geteilt 500 / Side mount /i-star 13";
        QTest::newRow("negative") << "-3" << "bis20" << 1 << "Einhängekartuschenfilter Pumpenleistung 5 m³/h";
    }
    void volumeBands()
    {
        QFETCH(QString, volume);
        QFETCH(QString, list);
        QFETCH(int, firstRow);
        QFETCH(QString, firstName);
        const Band &band = bandFor(toNumber(volume));
        QCOMPARE(QString::fromLatin1(band.list), list);
        QCOMPARE(band.firstRow, firstRow);
        const QStringList names = namesFrom(band.firstRow);
        QCOMPARE(names.size(), 56 - firstRow + 1);
        QCOMPARE(names.first(), firstName);
        QCOMPARE(names.last(), QStringLiteral("Glasfaser- Kunststoffkessel 800 / Side mount /i-star 26"));
    }

    void lowestBandIsTheWholeCatalogue()
    {
        QCOMPARE(QString::fromLatin1(lowestBand().list), QStringLiteral("bis20"));
        QCOMPARE(namesFrom(lowestBand().firstRow).size(), 56);
        QCOMPARE(int(filter::bands.size()), 10);
    }

    void electrolysisTexts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("price");
        QTest::addColumn<int>("lineCount");
        QTest::addColumn<QString>("first");
        QTest::addColumn<bool>("wifi");
        const QString h1 = "Sie wissen: Meerwasser ist gesund, aber salzig (Salzgehalt 2,5-3,5 %).";
        const QString o1 = "Es handelt sich um eine zweifache Wasserentkeimung.";
        QTest::newRow("Hydrolife") << "Salzwasserelektrolyse Hydrolife" << "1399,00" << 8 << h1 << false;
        QTest::newRow("Oxilife") << "Salzwasserelektrolyse Oxilife" << "1549,00" << 5 << o1 << false;
        QTest::newRow("Hydrolife WiFi") << "Salzwasserelektrolyse Hydrolife mit WiFi Modul" << "1998,00" << 11 << h1 << true;
        QTest::newRow("Oxilife WiFi") << "Salzwasserelektrolyse Oxilife mit WiFi Modul" << "2148,00" << 8 << o1 << true;
    }
    void electrolysisTexts()
    {
        QFETCH(QString, name);
        QFETCH(QString, price);
        QFETCH(int, lineCount);
        QFETCH(QString, first);
        QFETCH(bool, wifi);
        const Electrolysis *unit = lookUp(electrolysisUnits, name);
        QVERIFY(unit);
        QCOMPARE(unit->price.toString(), price);
        QCOMPARE(unit->wifi, wifi);
        const QStringList text = unit->text();
        QCOMPARE(text.size(), lineCount);
        QCOMPARE(text.first(), first);
        QCOMPARE(text.last(), QStringLiteral("Größere Anlagen auf Anfrage erhältlich!"));
        if (wifi) {
            QCOMPARE(text.mid(lineCount - 4, 3),
                     (QStringList{"", "Fernsteuerungsmodul WIFI",
                                  "ermöglicht die Steuerung des gesamten Schwimmbeckens durch Smartphone , Tablet oder "
                                  "Computer solange das WiFi bis zum Gerät reicht"}));
        }
    }

    void hydrolifeLinesAsTheMakerWritesThem()
    {
        const QStringList text = lookUp(electrolysisUnits, u"Salzwasserelektrolyse Hydrolife")->text();
        QCOMPARE(text.mid(1, 6),
                 (QStringList{"",
                              "In Ihrem Schwimmbad reicht schon ein Salzgehalt von 0,3 bis 0,5 %, damit Sie jederzeit ein "
                              "erfrischendes Gesundheitsbad",
                              "in Salzwasser >light< nehmen können. Bereits dieser leichte Salzgehalt im Wasser reicht für "
                              "eine sichere Entkeimung des Schwimbadwassers aus.",
                              "",
                              "Die Hydrolife 16 ist für private Schwimmbecken geeignet und enthält eine selbstreinigende Zelle.",
                              "Leistung: max. 16 g CL pro Std.; empf. Beckeninhalt max. 60 m³"}));
        const QStringList oxilife = lookUp(electrolysisUnits, u"Salzwasserelektrolyse Oxilife")->text();
        QCOMPARE(oxilife.mid(1, 3),
                 (QStringList{"Hydrolyse und Salzwasserelektrolyse werden zur optimalen Wasserdesinfektion kombiniert.",
                              "Mit nur 1,5g Salz pro Liter werden sowohl Chlor als auch Desinfektionsmittel auf "
                              "Sauerstoffbasis erzeugt.",
                              "Daher wird bei Oxilife das optimale Desinfektionsergebnis hauptsächlich durch schnell "
                              "abbauende Sauerstoffverbindungen erzielt."}));
    }

    void electrolysisRowsBeginWithAnEmptyRow()
    {
        QCOMPARE(electrolysisRows(),
                 (QStringList{"", "Salzwasserelektrolyse Hydrolife", "Salzwasserelektrolyse Oxilife",
                              "Salzwasserelektrolyse Hydrolife mit WiFi Modul",
                              "Salzwasserelektrolyse Oxilife mit WiFi Modul"}));
    }
};

NIXARO_TEST_MAIN(FilterTablesTest)
#include "tst_filtertables.moc"
