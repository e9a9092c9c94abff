// The ladder catalogue, without windows: prices, names, pictures, descriptions and the
// lists offered by installation, wall height and shape.
#include "testsupport.h"

#include "app/numbertext.h"
#include "pages/equipment/ladderstables.h"

#include <QSet>

using namespace app;
using ladders::Installation;

namespace {

const QStringList listA = {"Tiefbeckenleiter Engholm 3-Stufig V2A", "Tiefbeckenleiter Engholm 3-Stufig V4A",
                           "Tiefbeckenleiter Weitholm 3-Stufig V2A", "Tiefbeckenleiter Weitholm 3-Stufig V4A",
                           "Einbautreppe Typ kurz 3-Stufig"};
const QStringList listB = {"Tiefbeckenleiter Engholm 4-Stufig V2A", "Tiefbeckenleiter Engholm 4-Stufig V4A",
                           "Tiefbeckenleiter Weitholm 4-Stufig V2A", "Tiefbeckenleiter Weitholm 4-Stufig V4A",
                           "Einbautreppe Typ kurz 4-Stufig", "Tiefbeckentreppe Typ lang"};
const QStringList listC = {"Römertreppe 2,25x 1,20x 1,50m / weiß mit blauen Stufen",
                           "Ecktreppe 2,00x 2,00x 1,50m / weiß mit blauen Stufen",
                           "Acryltreppe / 2,50 x 1,50m römische Treppe", "Universaltreppe / weiß mit blauen Stufen"};

const ladders::Ladder &entry(const char *name)
{
    const ladders::Ladder *ladder = ladders::find(QString::fromUtf8(name));
    if (!ladder)
        qFatal("no ladder %s", name);
    return *ladder;
}

// The names of a ladder's pictures, compared as texts rather than as pointers.
QStringList pictureNames(const ladders::Ladder &ladder)
{
    QStringList names;
    for (const char *picture : ladder.pictures)
        if (picture)
            names << QString::fromLatin1(picture);
    return names;
}

} // namespace

class LadderTablesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyPriceIsATwoDecimalNumberAndNamesAreUnique()
    {
        QSet<QString> names;
        for (const ladders::Ladder &ladder : ladders::catalogue) {
            const QString price = ladder.price.toString();
            QVERIFY2(fixed2Text(toNumber(price)) == price, qPrintable(ladder.name.toString() + ": " + price));
            QVERIFY(toNumber(price) > 0);
            QVERIFY2(!names.contains(ladder.name.toString()), qPrintable(ladder.name.toString()));
            names.insert(ladder.name.toString());
        }
        QCOMPARE(names.size(), 21);
        QCOMPARE(fixed2Text(toNumber(ladders::hingePrice.toString())), QStringLiteral("199,95"));
    }

    void offeredLists_data()
    {
        QTest::addColumn<int>("installation");
        QTest::addColumn<QString>("height");
        QTest::addColumn<bool>("rectangular");
        QTest::addColumn<QStringList>("names");
        const int free = int(Installation::FreeStanding), half = int(Installation::HalfSunk),
                  sunk = int(Installation::InGround);
        const QStringList freeLow = {"Sicherheitsleiter Stahlrohr DIN EN 16582-1",
                                     "Sicherheitsleiter Edelstahl DIN EN 16582-1", "Hochbeckenleiter 4-Stufig"};
        QTest::newRow("free-standing 1,20") << free << "1,20" << false << freeLow;
        QTest::newRow("free-standing 1,2") << free << "1,2" << false << freeLow;
        QTest::newRow("free-standing 1,50") << free << "1,50" << false << QStringList{"Hochbeckenleiter 5-Stufig"};
        QTest::newRow("free-standing, no pool") << free << "0" << false << QStringList{};
        QTest::newRow("half-sunk 1,20") << half << "1,20" << false << QStringList{"Halbhochbeckenleiter 4-Stufen"};
        QTest::newRow("half-sunk 1,50") << half << "1,50" << false << QStringList{"Halbhochbeckenleiter 5-Stufen"};
        QTest::newRow("half-sunk 1,35") << half << "1,35" << false << QStringList{};
        QTest::newRow("in-ground 1,20") << sunk << "1,20" << false << listA;
        QTest::newRow("in-ground 1,20 rectangular") << sunk << "1,20" << true << listA;
        QTest::newRow("in-ground 1,50") << sunk << "1,50" << false << listB;
        QTest::newRow("in-ground 1,50 rectangular") << sunk << "1,50" << true << listB + listC;
        QTest::newRow("in-ground, no pool") << sunk << "0" << false << listB;
        QTest::newRow("in-ground, no pool, rectangular") << sunk << "0" << true << listB;
    }
    void offeredLists()
    {
        QFETCH(int, installation);
        QFETCH(QString, height);
        QFETCH(bool, rectangular);
        QFETCH(QStringList, names);
        QStringList offered;
        for (const ladders::Ladder *ladder : ladders::offered(Installation(installation), toNumber(height), rectangular))
            offered << ladder->name.toString();
        QCOMPARE(offered, names);
    }

    // The lists point into the catalogue: what they offer is what a choice finds.
    void listsAreViewsOfTheCatalogue()
    {
        for (const ladders::Ladder *ladder : ladders::offered(Installation::InGround, toNumber("1,50"), true))
            QCOMPARE(ladders::find(ladder->name), ladder);
    }

    void picturesAndHinges()
    {
        const QSet<QString> boxes = {"hbk", "hbk3", "hbg", "hhk", "hhg", "elb", "ebk", "ebtk", "ebh",
                                     "ebg", "ebtg", "rom", "eck", "calsacr", "eckacr", "transacr", "Tieftreppe"};
        QSet<QString> used;
        QStringList noHinge;
        for (const ladders::Ladder &ladder : ladders::catalogue) {
            for (const QString &picture : pictureNames(ladder))
                used.insert(picture);
            if (ladder.noHinge)
                noHinge << ladder.name.toString();
        }
        QCOMPARE(used, boxes);
        QCOMPARE(noHinge, (QStringList{listC[0], listC[1], listC[2], "Tiefbeckentreppe Typ lang"}));
        QCOMPARE(pictureNames(entry("Acryltreppe / 2,50 x 1,50m römische Treppe")),
                 (QStringList{"calsacr", "eckacr", "transacr"}));
        QCOMPARE(pictureNames(entry("Universaltreppe / weiß mit blauen Stufen")), QStringList{});
    }

    void quotedDescriptions()
    {
        QCOMPARE(entry("Sicherheitsleiter Stahlrohr DIN EN 16582-1").descriptionLines(),
                 (QStringList{"Stufen auf der Außenseite des Pools abnehmbar.",
                              "Holme weiß lackiert, mit Kunststoffstufen (max. Belastung ca. 100 kg)"}));
        const QStringList high = {
            "für Aufstellbekcen, aus poliertem Edelstahl V2A, mit rutschfesten Kunststoffstufen, Holm Ø 43mm."};
        QCOMPARE(entry("Hochbeckenleiter 4-Stufig").descriptionLines(), high);
        QCOMPARE(entry("Hochbeckenleiter 5-Stufig").descriptionLines(), high);
        const QStringList weit = {"für eingelassene Becken, aus poliertem Edelstahl V2A, mit rutschfester Gummiauflage, "
                                  "Holm Ø 43mm, Holmausladung 650mm, inkl Einbauhülsen."};
        QCOMPARE(entry("Tiefbeckenleiter Weitholm 4-Stufig V4A").descriptionLines(), weit);
        QCOMPARE(entry("Tiefbeckenleiter Engholm 3-Stufig V4A").descriptionLines(),
                 QStringList{"für eingelassene Becken, aus poliertem Edelstahl V2A, mit rutschfester Prägung, "
                             "Holm Ø 43mm, Holmausladung 350mm, inkl Einbauhülsen."});
        QCOMPARE(entry("Tiefbeckentreppe Typ lang").descriptionLines(),
                 (QStringList{"Tiefbeckentreppe Typ lang", "Für den einfachen und bequemen Ein- und Ausstieg.",
                              "aus V4A (1.4571) poliert, Holm Ø 43 mm, Breite: 500 mm,",
                              "inkl. Leitereinbauhülsen, mit rutschfesten Kunststoffstufen.",
                              "Zum Anpassen an die Beckentiefe kann die Treppe", "um 200 mm gekürzt werden",
                              "6-stufig, für Beckentiefe 1,35 - 1,55 m, Länge 157cm"}));
        QCOMPARE(ladders::hingeNote.at(1), QStringLiteral("Ermöglicht das komplette Verschließen des "));
    }

    // The catalogue's own texts: two to nine lines; the stairs end with the freight note.
    void descriptionsOfTheCatalogueStyle()
    {
        for (const ladders::Ladder &ladder : ladders::catalogue) {
            const QStringList lines = ladder.descriptionLines();
            QVERIFY2(!lines.isEmpty() && lines.size() <= 9, qPrintable(ladder.name.toString()));
            for (const QString &line : lines)
                QVERIFY2(!line.isEmpty(), qPrintable(ladder.name.toString()));
            const bool stair = ladder.name.contains(u"treppe", Qt::CaseInsensitive);
            if (stair && ladder.name != u"Tiefbeckentreppe Typ lang")
                QVERIFY2(lines.last() == u"Fracht zzgl. dem Treppenpreis.", qPrintable(ladder.name.toString()));
        }
    }
};

NIXARO_TEST_MAIN(LadderTablesTest)
#include "tst_laddertables.moc"
