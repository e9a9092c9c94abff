#pragma once

#include "app/numbertext.h"

#include <QStringList>
#include <QStringView>

#include <span>

// The filter systems of the season's catalogue, the volume bands that narrow the choice
// to the pool, and the salt-water electrolysis units, with the texts exactly as the
// filter page shows them and hands them on.
namespace filter {

// One filter system. Its description is two lines, in most entries with an empty line
// under them.
struct Filter
{
    QStringView name;
    QStringView price;
    const char *picture;    // object name of its picture on the page
    int ratedVolume;        // m³: the largest pool the description names
    QStringView lines[2];
    bool blankLine = true;  // an empty line under the description

    QStringList description() const;
};

// The catalogue in its order, which is the order of comparison and of the band lists.
// Rows 29 and 30 carry the same name: choosing it always finds row 29.
extern const std::span<const Filter> catalogue;

// The filter pictures of the page; every catalogue row shows one of them.
inline constexpr const char *pictures[] = {"hp30",   "hp30i",  "hp30prem", "kessel", "inf",   "ef21",
                                           "hp4",    "infh",   "caldera",  "medium", "iplus", "gfkIplus"};
// The cartridge filter keeps its picture at its own size and shows the skimmer warning.
inline constexpr int cartridgeRow = 1;

// A volume band: the pools it takes and the first catalogue row (counted from 1) its
// list offers; every list runs to the end of the catalogue.
struct Band
{
    const char *list;  // object name of the page's hidden list that holds the band
    int above;         // pools of more than this volume (m³)
    int firstRow;
};

// From the largest pools down; the last band takes every volume the others do not.
extern const std::span<const Band> bands;

// The first band from the top whose volume the pool exceeds.
const Band &bandFor(app::Number volume);
// The band of the smallest pools: the whole catalogue.
const Band &lowestBand();

// The catalogue names from a row (counted from 1) to the end.
QStringList namesFrom(int firstRow);

// A salt-water electrolysis unit.
struct Electrolysis
{
    QStringView name;
    QStringView price;
    std::span<const QStringView> lines;  // the unit's own description
    bool wifi;                           // with the remote-control module

    // The description, with the module's lines below an empty line where it has one,
    // and the closing line.
    QStringList text() const;
};

extern const std::span<const Electrolysis> electrolysisUnits;

// The rows of the page's electrolysis list: an empty row, then the units.
QStringList electrolysisRows();

} // namespace filter
