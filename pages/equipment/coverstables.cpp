#include "coverstables.h"

#include "app/catalogue.h"

namespace covers {

namespace {

// The oval and the figure-eight size texts differ only in the " m" after the first
// number; they are distinct keys.
constexpr SizePrices table[] = {
    {u"Rundbecken", u"3,50 m", u"359,95", u"1069,00", u"129,95"},
    {u"Rundbecken", u"4,16 m", u"419,95", u"1159,00", u"184,95"},
    {u"Rundbecken", u"5,00 m", u"529,95", u"1289,00", u"249,95"},
    {u"Rundbecken", u"6,00 m", u"629,95", u"1499,00", u"339,95"},
    {u"Rundbecken", u"7,00 m", u"759,95", {}, u"469,95"},
    {u"Rundbecken", u"8,00 m", u"939,00", {}, u"599,00"},
    {u"Achtformbecken", u"3,20 x 5,25 m", u"469,95", {}, u"194,95"},
    {u"Achtformbecken", u"3,60 x 6,25 m", u"569,00", {}, u"259,95"},
    {u"Achtformbecken", u"4,60 x 7,25 m", u"669,00", {}, u"359,95"},
    {u"Achtformbecken", u"5,00 x 8,55 m", u"759,00", {}, u"439,95"},
    {u"Ovalformbecken", u"3,20 m x 5,25 m", u"479,95", {}, {}},
    {u"Ovalformbecken", u"3,20 m x 6,00 m", u"519,00", u"1339,00", u"219,95"},
    {u"Ovalformbecken", u"3,50 m x 7,00 m", u"569,00", u"1499,00", u"269,95"},
    {u"Ovalformbecken", u"4,16 m x 8,00 m", u"659,00", {}, u"339,95"},
    {u"Ovalformbecken", u"4,16 m x 10,00 m", u"779,00", {}, u"419,95"},
    {u"Ovalformbecken", u"5,00 m x 9,00 m", u"789,00", {}, u"459,95"},
    {u"Ovalformbecken", u"5,00 m x 11,00 m", u"939,00", {}, u"559,00"},
    // Neither the SafeTop® nor the Cabrio Dome is made for rectangular pools.
    {u"Rechteckbecken", u"3,00 x 6,00 m", {}, {}, u"199,95"},
    {u"Rechteckbecken", u"3,50 x 7,00 m", {}, {}, u"259,95"},
    {u"Rechteckbecken", u"4,00 x 8,00 m", {}, {}, u"319,95"},
    {u"Rechteckbecken", u"4,50 x 9,00 m", {}, {}, u"0,00"},
    {u"Rechteckbecken", u"5,00 x 9,00 m", {}, {}, u"459,95"},
};

} // namespace

const std::span<const SizePrices> sizePrices = table;

QStringView SizePrices::price(Cover cover) const
{
    switch (cover) {
    case Cover::SafeTop: return safeTop;
    case Cover::CabrioDome: return cabrioDome;
    case Cover::Lupo: return lupo;
    }
    return {};
}

QStringView priceFor(Cover cover, QStringView size)
{
    const SizePrices *row = app::lookUp(sizePrices, size);
    return row ? row->price(cover) : QStringView();
}

} // namespace covers
