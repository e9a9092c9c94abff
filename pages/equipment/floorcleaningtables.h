#pragma once

#include <QStringList>
#include <QStringView>

#include <array>

// The floor-cleaning page's part of the catalogue: the two floor drains and the manual
// cleaning set, with their description lines, prices, the texts the summary list shows
// and the texts the quote takes over, spelt exactly as the page shows and hands them on.
namespace floorcleaning {

using Lines = std::array<QStringView, 3>;

struct Drain
{
    const char *button;       // object name of the radio button
    Lines lines;              // description list
    QStringView price;        // installation not included
    QStringView stored;       // the drain line of the quote
    QStringView summaryName;  // leads its summary line, followed by the price
    int picturePage;          // page of the drain picture notebook
    bool cyclesPictures;      // the bronze drain turns through its three pictures
};

inline constexpr Drain plasticDrain = {
    "kab",
    {u"Kunststoffbodenablauf mit Rost, rund R 2\",  Ø 270 mm",
     u"Wird im Beckenboden zum Ablassen vom Beckenwasser eingebaut!",
     u"Die Kosten für den Einbau müssen individuell berechnet werden."},
    u"62,00",
    u"Bodenablauf mit Rost",
    u"Kunststoffbodenablauf ",
    0,
    false,
};

inline constexpr Drain bronzeDrain = {
    "brab",
    {u"",
     u"Wird im Beckenboden zum Ablassen vom Beckenwasser eingebaut!",
     u"Die Kosten für den Einbau müssen individuell berechnet werden."},
    u"235,00",
    u"Bodenablauf aus Rotguss",
    u"Bronzebodenablauf ",
    1,
    true,
};

inline constexpr QStringView noDrainPrice = u"0,00";
inline constexpr QStringView noDrainStored = u"Kein Bodenablauf ausgewählt !!!";
inline constexpr QStringView noDrainSummary = u"Kein Bodenablauf !";

struct CleaningSet
{
    QStringView caption;      // the check box
    Lines lines;              // description list
    QStringView price;
    QStringView summaryName;  // leads its summary line, followed by the price
    QStringView stored;       // the set's name in the quote
};

// The set's name is spelt three ways: on its check box, in the summary and in the quote.
inline constexpr CleaningSet luxusSet = {
    u"Bodenreiniger-Set \"Luxus\"",
    {u"3teilig, bestehend aus Bodenabsaugbürste mit Seitenbürsten,",
     u"Alu-Teleskopstange 1,80 m bis 4,80 m Länge.",
     u"Flexschlauch 7,50 m lang; Ø 38 mm."},
    u"99,95",
    u"Bodenreiniger-Set \"Luxus\" ",
    u"Bodenreingerset \"Luxus\"",
};

inline constexpr QStringView noSetPrice = u"0,00";
// Before any choice the quote's set name carries exclamation marks; once the set was
// unchosen it does not.
inline constexpr QStringView noSetStoredAtFirst = u"Kein Bodenreinigungsset ausgewählt !!!";
inline constexpr QStringView noSetStored = u"Kein Bodenreinigungsset ausgewählt";
inline constexpr QStringView noSetSummary = u"Kein Bodenreiniger Set!";

// Summary lines: an article with its price, added to the total ("... 235,00 € +"), and
// the total of the steps before ("Bisheriger Schwimmbeckenpreis: 3000,00 €").
QString addedLine(QStringView name, const QString &price);
QString previousTotalLine(const QString &total);

} // namespace floorcleaning
