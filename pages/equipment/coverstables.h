#pragma once

#include <QStringView>

#include <span>

// The price list of the pool covers: the price of each cover by the size text the pool
// page hands on, and the sizes a cover is not made for.
namespace covers {

enum class Cover { SafeTop, CabrioDome, Lupo };

// One pool size and what each cover costs for it; an empty price: not made for that size.
struct SizePrices
{
    QStringView shape;  // the pool shape the size belongs to, as the store names it
    QStringView name;   // the size text, the key of the look-up ("5,00 m")
    QStringView safeTop, cabrioDome, lupo;

    QStringView price(Cover cover) const;
};

extern const std::span<const SizePrices> sizePrices;

// The price text of a cover for a pool of this size, or an empty view where the cover is
// refused or the size is not listed (a pool not configured yet: "0").
QStringView priceFor(Cover cover, QStringView size);

} // namespace covers
