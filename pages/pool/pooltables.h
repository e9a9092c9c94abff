#pragma once

#include <QStringView>

#include <span>

// The price list of the pool kits: for each pool shape its sizes, liners and wall
// heights, the kit rows, the edge stones, the concrete-free construction and the
// lines of the summary list, with the texts exactly as the pages show and hand them on.
namespace pool {

// One button of a radio group and the text the page takes from it.
struct Choice
{
    const char *button;  // object name of the radio button
    QStringView text;
};

struct Size
{
    const char *button;
    QStringView text;        // the size text handed on ("3,50 m")
    QStringView edgeStones;  // price of the edge stones around a pool of this size
    // Concrete-free construction for the 1,20 m and the 1,50 m wall; empty: none for this size.
    QStringView construction[2] = {};
};

// One kit of the price list, found by the texts of the chosen size, liner and height.
struct Kit
{
    QStringView size, liner, height;
    QStringView price, volume, fleece;
    QStringView concrete = {};   // concrete needed by an in-ground pool
    QStringView linerText = {};  // the liner as this row spells it, where it differs
};

// One line of the summary list: prefix, the text of a hidden edit (none: no value), suffix.
struct SummaryLine
{
    QStringView prefix;
    const char *edit = nullptr;
    QStringView suffix = {};
};

struct Shape
{
    std::span<const Size> sizes;
    std::span<const Choice> liners;   // thinnest first; the last is the 1 mm liner
    std::span<const Choice> heights;  // 1,20 m first, then 1,50 m
    std::span<const Kit> kits;
    QStringView noEdgeStones;         // edge-stone price without edge stones
    std::span<const SummaryLine> summary;
    QStringView supplierPath;         // construction supplier's page for this shape; empty: none
    bool slotsFollowEveryChange;      // the store follows every recompute, not only "&Weiter -->"
};

extern const Shape roundPool;
extern const Shape ovalPool;
extern const Shape figureEightPool;
extern const Shape rectangularPool;

// Kit row of the chosen size, liner and height, or nullptr where the list has none.
const Kit *findKit(const Shape &shape, QStringView size, QStringView liner, QStringView height);

} // namespace pool
