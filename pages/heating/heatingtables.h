#pragma once

#include "app/numbertext.h"

#include <QString>
#include <QStringView>

#include <optional>
#include <span>

// The water-heating part of the catalogue: the solar absorbers of the "Zezurara-S aus
// Polypropylen" line with their prices, the solar controller, the solar shower and the
// heat pump priced by the pool volume; and the absorber areas the sizing page works with.
namespace heating {

// One row of the absorber list, as the list shows it.
struct Absorber
{
    QStringView name;
    QStringView price;  // unit price
    // Only the smallest size brings the absorbers total up to date at once; after the
    // others it follows with the page's next recompute.
    bool totalAtOnce = false;
};

extern const std::span<const Absorber> absorbers;

// What the absorber list shows before a size is chosen.
inline constexpr QStringView absorberPrompt = u"Auswahl der Solarkollektgröße";

inline constexpr QStringView noPrice = u"0,00";
inline constexpr QStringView controllerPrice = u"629,00";
inline constexpr QStringView showerPrice = u"629,00";

// The absorber row of a list text, or nullptr for a text that names no row.
const Absorber *findAbsorber(QStringView text);

// The heat pumps by pool size: the first band whose upper bound the volume text does not
// sort after, compared as texts. The pool pages store whole cubic metres as two-digit
// texts, so this is the order of the numbers.
struct HeatPumpBand
{
    QStringView upTo;   // the largest volume text of the band
    QStringView price;
};

extern const std::span<const HeatPumpBand> heatPumpBands;

// The heat-pump price for a pool volume text; none for pools beyond the last band,
// which the dealer prices himself.
std::optional<QStringView> heatPumpPrice(const QString &volume);

// The absorber sizes of the sizing page: radio button and area of one absorber in m².
struct AbsorberArea
{
    const char *button;
    app::Number area;
};

extern const std::span<const AbsorberArea> absorberAreas;

} // namespace heating
