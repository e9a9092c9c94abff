#include "skimmertables.h"

#include <array>

namespace skimmer {

namespace {

// The straight double quote after "2", "R2" and "1,5" is the inch sign of the thread.
constexpr QStringView plasticRectangular[] = {
    u"Oberflächenabsauger aus Kunststoff inkl. Einlaufdüse, Mauerdruchführung, Bodenreinigeranschlußklappe, "
    u"Winterverschlusskappe und Schlüssel",
    u"Skimmeröffnung 151 x141 mm",
};
constexpr QStringView plasticOther[] = {
    u"Oberflächenabsauger aus Kunststoff inkl. Einlaufdüse, Bodenreinigeranschlußklappe, Winterverschlusskappe "
    u"und Schlüssel",
    u"Skimmeröffnung 151 x141 mm",
};

constexpr QStringView bronzeRectangular[] = {
    u"Skimmer:",
    u"Oberflächenabsauger/Skimmer aus Rotguss, mit 1 abgang 2\" IG,",
    u"V4A Blende Bronziert, Polierter Oberfläche und Folienflanschsatz.",
    u"Skimmer muß Einbetoniert werden!",
    u"Einlaufdüse:",
    u"Wanddurchführung:",
    u"Aus Rotguss, V4A Blende Bronziert, Polierter Oberfläche. 1,5\" IG.",
    u"Kugel aus V4A 20mm, inkl. Folienflanschsatz.",
};
constexpr QStringView bronzeOther[] = {
    u"Skimmer:",
    u"Oberflächenabsauger/Skimmer aus Rotguss, mit 1 abgang 2\" IG,",
    u"V4A Blende Bronziert, Polierter Oberfläche und Folienflanschsatz.",
    u"Skimmer muß Einbetoniert werden!",
    u"Einlaufdüse:",
    u"Aus Rotguss, V4A Blende Bronziert, Polierter Oberfläche. 1,5\" IG.",
    u"Kugel aus V4A 20mm, inkl. Folienflanschsatz.",
};

constexpr QStringView plasticWithWall[] = {
    u"Wanddurchführung mit Einlaufdüse und Dichtungen und Schrauben,",
    u"R2\" außen und d-50 innen.",
};
constexpr QStringView bronzeWithWall[] = {
    u"Wanddurchführung:,",
    u"Aus Rotguss, V4A Blende Bronziert, Polierter Oberfläche. 1,5\" IG.",
};
constexpr QStringView plasticNozzle[] = {
    u"komplett mit Dichtungen und Schrauben,",
    u"R2\" außen und d-50 innen.",
};
constexpr QStringView bronzeNozzle[] = {
    u"Einlaufdüse:",
    u"Aus Rotguss, V4A Blende Bronziert, Polierter Oberfläche. 1,5\" IG.",
    u"Kugel aus V4A 20mm, inkl. Folienflanschsatz.",
};

// The five blanks before the count belong to every nozzle line.
const std::array nozzles = {
    Nozzle{NozzleType::Plastic, true, plasticWithWall, u"49,95", "TabSheet3", true,
           u"zusätzliche Wanddurchführung inkl. Einlaufdüse aus Kunststoff     "},
    Nozzle{NozzleType::Bronze, true, bronzeWithWall, u"179,95", "TabSheet4", true,
           u"zusätzliche Wanddurchführung inkl. Einlaufdüse aus Rotguss     "},
    Nozzle{NozzleType::Plastic, false, plasticNozzle, u"30,95", "TabSheet3", true,
           u"zusätzliche Kunststoff Einlaufdüse     "},
    Nozzle{NozzleType::Bronze, false, bronzeNozzle, u"105,00", "TabSheet4", false,
           u"zusätzliche Einlaufdüse aus Rotguss     "},
};

} // namespace

const Skimmer plasticSkimmer{"ebsk1", "TabSheet1", {plasticRectangular, u"90,00"}, {plasticOther, u"69,95"},
                             u"Einbauskimmerset"};
const Skimmer bronzeSkimmer{"Bronzeskim", "TabSheet2", {bronzeRectangular, u"1310,00"}, {bronzeOther, u"1200,00"},
                            u"Oberflächenabsauger/Skimmer aus Rotguss"};

const Nozzle &nozzle(NozzleType type, bool wallFeedThrough)
{
    for (const Nozzle &row : nozzles)
        if (row.type == type && row.wallFeedThrough == wallFeedThrough)
            return row;
    Q_UNREACHABLE();
}

QString nozzleLine(const Nozzle &row, QStringView count)
{
    QString line = row.quoteLine.toString();
    line += count;
    line += u" x";
    return line;
}

} // namespace skimmer
