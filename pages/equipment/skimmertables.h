#pragma once

#include <QString>
#include <QStringView>

#include <span>

// The skimmer page's price list: the two built-in skimmers with their lines and prices
// for rectangular and for other pools, the additional inlet nozzles and the lines the
// page hands on to the quote.
namespace skimmer {

// The filter page's hang-on cartridge filter: with it no skimmer and no nozzle is fitted.
inline constexpr QStringView cartridgeFilterName = u"Einhängekartuschenfilter Pumpenleistung 5 m³/h";
// The pool shape whose walls need a feed-through for every nozzle.
inline constexpr QStringView rectangularShape = u"Rechteckbecken";

// A skimmer as offered for one kind of pool.
struct Offer
{
    std::span<const QStringView> lines;  // description lines of the list `sk1`
    QStringView price;
};

struct Skimmer
{
    const char *button;   // its radio button
    const char *tabPage;  // the page of the notebook `tab` that shows it
    Offer rectangular;    // with the wall feed-through of a rectangular pool
    Offer other;
    QStringView quoteLine;  // the skimmer line handed on when it is chosen
};

extern const Skimmer plasticSkimmer;
extern const Skimmer bronzeSkimmer;

inline constexpr QStringView noSkimmerLine = u"Kein Einbauskimmerset ausgewählt !!!";

enum class NozzleType { Plastic, Bronze };

// An additional inlet nozzle of one type, with or without its wall feed-through.
struct Nozzle
{
    NozzleType type;
    bool wallFeedThrough;
    std::span<const QStringView> lines;  // description lines of the list `eed`
    QStringView price;                   // price of one nozzle
    const char *tabPage;                 // the page of the notebook `tabein` that shows it
    bool showsNozzlePicture;             // `zed2` shown with it; otherwise left as it is
    QStringView quoteLine;               // the nozzle line, followed by the count and " x"
};

// The nozzle row of a type with or without the wall feed-through.
const Nozzle &nozzle(NozzleType type, bool wallFeedThrough);

inline constexpr QStringView noNozzleLine = u"Keine zusätzliche Einlaufdüse ausgewählt !!!";

// The nozzle line handed on to the quote: the row's text, the count, " x".
QString nozzleLine(const Nozzle &row, QStringView count);

} // namespace skimmer
