#include "ladderstables.h"

#include "app/catalogue.h"

namespace ladders {

namespace {

constexpr QStringView engholm =
    u"für eingelassene Becken, aus poliertem Edelstahl V2A, mit rutschfester Prägung, Holm Ø 43mm, "
    u"Holmausladung 350mm, inkl Einbauhülsen.";
constexpr QStringView weitholm =
    u"für eingelassene Becken, aus poliertem Edelstahl V2A, mit rutschfester Gummiauflage, Holm Ø 43mm, "
    u"Holmausladung 650mm, inkl Einbauhülsen.";
constexpr QStringView highPool =
    u"für Aufstellbekcen, aus poliertem Edelstahl V2A, mit rutschfesten Kunststoffstufen, Holm Ø 43mm.";

constexpr Ladder table[] = {
    /*  0 */ {u"Sicherheitsleiter Stahlrohr DIN EN 16582-1", u"129,95", {"hbk"}, false,
              u"Stufen auf der Außenseite des Pools abnehmbar.\n"
              u"Holme weiß lackiert, mit Kunststoffstufen (max. Belastung ca. 100 kg)"},
    /*  1 */ {u"Sicherheitsleiter Edelstahl DIN EN 16582-1", u"429,95", {"hbk3"}, false,
              u"Sicherheitsleiter für Aufstellbecken nach DIN EN 16582-1.\n"
              u"Stufen auf der Außenseite des Pools abnehmbar.\n"
              u"Holme aus poliertem Edelstahl V2A, mit rutschfesten\n"
              u"Kunststoffstufen (max. Belastung ca. 100 kg)"},
    /*  2 */ {u"Hochbeckenleiter 4-Stufig", u"369,95", {"hbg"}, false, highPool},
    /*  3 */ {u"Hochbeckenleiter 5-Stufig", u"399,95", {"hbg"}, false, highPool},
    /*  4 */ {u"Halbhochbeckenleiter 4-Stufen", u"349,95", {"hhk"}, false,
              u"für halb- oder teileingelassene Becken,\n"
              u"aus poliertem Edelstahl V2A,\n"
              u"mit rutschfesten Kunststoffstufen, Holm Ø 43mm,\n"
              u"4 Stufen im Becken, 2 Stufen außen,\n"
              u"für Beckenhöhe 1,20 m."},
    /*  5 */ {u"Halbhochbeckenleiter 5-Stufen", u"369,95", {"hhg"}, false,
              u"für halb- oder teileingelassene Becken,\n"
              u"aus poliertem Edelstahl V2A,\n"
              u"mit rutschfesten Kunststoffstufen, Holm Ø 43mm,\n"
              u"5 Stufen im Becken, 3 Stufen außen,\n"
              u"für Beckenhöhe 1,50 m."},
    /*  6 */ {u"Tiefbeckenleiter Engholm 3-Stufig V2A", u"229,95", {"elb"}, false, engholm},
    /*  7 */ {u"Tiefbeckenleiter Engholm 3-Stufig V4A", u"349,95", {"elb"}, false, engholm},
    /*  8 */ {u"Tiefbeckenleiter Weitholm 3-Stufig V2A", u"229,95", {"ebk"}, false, weitholm},
    /*  9 */ {u"Tiefbeckenleiter Weitholm 3-Stufig V4A", u"349,95", {"ebk"}, false, weitholm},
    /* 10 */ {u"Einbautreppe Typ kurz 3-Stufig", u"709,00", {"ebtk"}, false,
              u"Einbautreppe Typ kurz, 3-stufig\n"
              u"für eingelassene Becken, aus V4A (1.4571) poliert,\n"
              u"Holm Ø 43 mm, Breite: 500 mm, mit rutschfesten\n"
              u"Kunststoffstufen, inkl. Leitereinbauhülsen.\n"
              u"für Beckentiefe 1,00 - 1,20 m\n"
              u"Fracht zzgl. dem Treppenpreis."},
    /* 11 */ {u"Universaltreppe / weiß mit blauen Stufen", u"17959,00", {}, false,
              u"Universaltreppe aus Kunststoff, weiß mit blauen Stufen,\n"
              u"für eingelassene Rechteckbecken mit 1,50 m Wandhöhe.\n"
              u"Wird in die Beckenwand eingebaut und mit Beton\n"
              u"hinterfüllt, inkl. Einbaurahmen und Folienflansch.\n"
              u"Fracht zzgl. dem Treppenpreis."},
    /* 12 */ {u"Tiefbeckenleiter Engholm 4-Stufig V2A", u"249,95", {"ebh"}, false, engholm},
    /* 13 */ {u"Tiefbeckenleiter Engholm 4-Stufig V4A", u"379,95", {"ebh"}, false, engholm},
    /* 14 */ {u"Tiefbeckenleiter Weitholm 4-Stufig V2A", u"249,95", {"ebg"}, false, weitholm},
    /* 15 */ {u"Tiefbeckenleiter Weitholm 4-Stufig V4A", u"379,95", {"ebg"}, false, weitholm},
    /* 16 */ {u"Einbautreppe Typ kurz 4-Stufig", u"799,00", {"ebtg"}, false,
              u"Einbautreppe Typ kurz, 4-stufig\n"
              u"für eingelassene Becken, aus V4A (1.4571) poliert,\n"
              u"Holm Ø 43 mm, Breite: 500 mm, mit rutschfesten\n"
              u"Kunststoffstufen, inkl. Leitereinbauhülsen.\n"
              u"für Beckentiefe 1,20 - 1,50 m\n"
              u"Fracht zzgl. dem Treppenpreis."},
    /* 17 */ {u"Römertreppe 2,25x 1,20x 1,50m / weiß mit blauen Stufen", u"2699,00", {"rom"}, true,
              u"Römertreppe aus Kunststoff, weiß mit blauen Stufen,\n"
              u"Maße: 2,25 x 1,20 x 1,50 m (Breite x Tiefe x Höhe),\n"
              u"für Rechteckbecken mit 1,50 m Wandhöhe,\n"
              u"zum Einbau an der Stirnseite des Beckens,\n"
              u"inkl. Folienflansch und Befestigungsmaterial.\n"
              u"Fracht zzgl. dem Treppenpreis."},
    /* 18 */ {u"Ecktreppe 2,00x 2,00x 1,50m / weiß mit blauen Stufen", u"3299,00", {"eck"}, true,
              u"Ecktreppe aus Kunststoff, weiß mit blauen Stufen,\n"
              u"Maße: 2,00 x 2,00 x 1,50 m,\n"
              u"zum Einbau in eine Ecke des Rechteckbeckens,\n"
              u"platzsparend, mit breiten, rutschfesten Stufen,\n"
              u"inkl. Folienflansch und Befestigungsmaterial.\n"
              u"Fracht zzgl. dem Treppenpreis."},
    /* 19 */ {u"Acryltreppe / 2,50 x 1,50m römische Treppe", u"2099,00", {"calsacr", "eckacr", "transacr"}, true,
              u"Acryltreppe als römische Treppe, 2,50 x 1,50 m,\n"
              u"aus glasfaserverstärktem Acryl, weiß,\n"
              u"für Rechteckbecken mit 1,50 m Wandhöhe,\n"
              u"in drei Ausführungen lieferbar (siehe Bilder),\n"
              u"inkl. Folienflansch.\n"
              u"Fracht zzgl. dem Treppenpreis."},
    /* 20 */ {u"Tiefbeckentreppe Typ lang", u"1959,00", {"Tieftreppe"}, true,
              u"Tiefbeckentreppe Typ lang\n"
              u"Für den einfachen und bequemen Ein- und Ausstieg.\n"
              u"aus V4A (1.4571) poliert, Holm Ø 43 mm, Breite: 500 mm,\n"
              u"inkl. Leitereinbauhülsen, mit rutschfesten Kunststoffstufen.\n"
              u"Zum Anpassen an die Beckentiefe kann die Treppe\n"
              u"um 200 mm gekürzt werden\n"
              u"6-stufig, für Beckentiefe 1,35 - 1,55 m, Länge 157cm"},
};

// The lists are views of the catalogue, in the order the page offers them.
using View = std::span<const Ladder *const>;

constexpr const Ladder *freeStandingLow[] = {&table[0], &table[1], &table[2]};
constexpr const Ladder *freeStandingHigh[] = {&table[3]};
constexpr const Ladder *halfSunkLow[] = {&table[4]};
constexpr const Ladder *halfSunkHigh[] = {&table[5]};
// In-ground, 1,20 m wall.
constexpr const Ladder *listA[] = {&table[6], &table[7], &table[8], &table[9], &table[10]};
// In-ground, any other wall.
constexpr const Ladder *listB[] = {&table[12], &table[13], &table[14], &table[15], &table[16], &table[20]};
// The stairs of the rectangular pool with its 1,50 m wall.
constexpr const Ladder *listC[] = {&table[17], &table[18], &table[19], &table[11]};

} // namespace

const std::span<const Ladder> catalogue = table;

const QStringList hingeNote = {
    QStringLiteral("Leiterkippgelenke zum Ankippen der Leiter."),
    QStringLiteral("Ermöglicht das komplette Verschließen des "),
    QStringLiteral("Schwimmbades mit einer "),
    QStringLiteral("Abdeckfolie,"),
    QStringLiteral("ohne dass die Leiter abgebaut werden muss."),
};

QStringList Ladder::descriptionLines() const
{
    return description.toString().split(u'\n');
}

const Ladder *find(QStringView name)
{
    return app::lookUp(catalogue, name);
}

QList<const Ladder *> offered(Installation installation, app::Number wallHeight, bool rectangular)
{
    // The heights are compared as numbers: "1,20" is the low wall as "1,2" is.
    const bool low = wallHeight == app::toNumber(QStringLiteral("1,2"));
    const bool high = wallHeight == app::toNumber(QStringLiteral("1,5"));
    QList<View> views;
    switch (installation) {
    case Installation::FreeStanding:
        if (low)
            views << View(freeStandingLow);
        else if (high)
            views << View(freeStandingHigh);
        break;
    case Installation::HalfSunk:
        if (low)
            views << View(halfSunkLow);
        else if (high)
            views << View(halfSunkHigh);
        break;
    case Installation::InGround:
        if (low) {
            views << View(listA);
        } else {
            views << View(listB);
            if (high && rectangular)
                views << View(listC);
        }
        break;
    }
    QList<const Ladder *> rows;
    for (View view : views)
        rows.append(QList<const Ladder *>(view.begin(), view.end()));
    return rows;
}

} // namespace ladders
