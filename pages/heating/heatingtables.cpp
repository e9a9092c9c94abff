#include "heatingtables.h"

#include "app/catalogue.h"
#include "app/codepage.h"

namespace heating {

namespace {

constexpr Absorber absorberRows[] = {
    {u"Ich möchte keine Solarabsorber", u"0,00"},
    {u"2,00 x 1,20 m = 2,40 m²", u"269,95", true},
    {u"3,00 x 1,20 m = 3,60 m²", u"309,95"},
    {u"4,00 x 1,20 m = 4,80 m²", u"359,95"},
    {u"5,00 x 1,20 m = 6,00 m²", u"399,95"},
    {u"6,00 x 1,20 m = 7,20 m²", u"449,95"},
    {u"7,00 x 1,20 m = 8,40 m²", u"499,95"},
};

constexpr HeatPumpBand heatPumpRows[] = {
    {u"20", u"1199,00"},
    {u"30", u"1499,00"},
    {u"45", u"1899,00"},
    {u"60", u"2299,00"},
};

constexpr AbsorberArea areaRows[] = {
    {"s2", 2.4L}, {"s3", 3.6L}, {"s4", 4.8L}, {"s6", 6.0L}, {"s7", 7.2L}, {"s8", 8.4L},
};

} // namespace

const std::span<const Absorber> absorbers = absorberRows;
const std::span<const HeatPumpBand> heatPumpBands = heatPumpRows;
const std::span<const AbsorberArea> absorberAreas = areaRows;

const Absorber *findAbsorber(QStringView text)
{
    return app::lookUp(absorbers, text);
}

std::optional<QStringView> heatPumpPrice(const QString &volume)
{
    for (const HeatPumpBand &band : heatPumpBands)
        if (!app::sortsAfter(volume, band.upTo.toString()))
            return band.price;
    return std::nullopt;
}

} // namespace heating
