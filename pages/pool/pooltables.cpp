#include "pooltables.h"

namespace pool {

namespace {

constexpr Choice liners[] = {{"f06", u"0,6 mm"}, {"f08", u"0,8 mm"}, {"f10", u"1 mm"}};
constexpr Choice heights[] = {{"h12", u"1,20"}, {"h15", u"1,50"}};

// The round and the oval pool list the construction; the same lines on both pages.
constexpr SummaryLine aboveGroundSummary[] = {
    {u"Beckenmaße:  ", "du"},
    {u"Folienstärke (adriablau):  ", "fo"},
    {u"Beckenhöhe:  ", "hh", u"m"},
    {u"Inhalt:  ", "mmm", u"m³"},
    {u"Betonfreier Schwimmbadaufbau:  ", "conzeropreis", u"€ +"},
    {u"Bodenflies:  ", "flies", u"€ +"},
    {u"inkl. Kombihandlauf (blau)"},
    {u"Beckenrandsteine:  ", "randpr", u"€ +"},
    {u"Schwimmbeckenpreis:  ", "pr", u"€"},
};

// ---- round pool

constexpr Size roundSizes[] = {
    {"b35", u"3,50 m", u"629,00", {u"1298,90", u"1658,90"}},
    {"b416", u"4,16 m", u"739,00", {u"1588,90", u"1998,90"}},
    {"b500", u"5,00 m", u"909,00", {u"2038,90", u"2538,90"}},
    {"b600", u"6,00 m", u"1059,00", {u"2647,00", u"3257,00"}},
    {"b700", u"7,00 m", u"1249,00"},
    {"b800", u"8,00 m", u"1419,00"},
};

// The volumes are the catalogue's, not computed: at 7,00 m and 8,00 m with the 1,50 m
// wall they differ between the liners.
constexpr Kit roundKits[] = {
    {u"3,50 m", u"0,6 mm", u"1,20", u"729,00", u"11", u"89,95"},
    {u"3,50 m", u"0,6 mm", u"1,50", u"929,00", u"14", u"89,95"},
    {u"3,50 m", u"0,8 mm", u"1,20", u"1079,00", u"11", u"89,95"},
    {u"3,50 m", u"0,8 mm", u"1,50", u"1179,00", u"14", u"89,95"},
    {u"3,50 m", u"1 mm", u"1,50", u"1199,00", u"14", u"89,95"},
    {u"4,16 m", u"0,6 mm", u"1,20", u"849,00", u"15", u"149,95", {}, u"0,6mm"},
    {u"4,16 m", u"0,6 mm", u"1,50", u"1109,00", u"19", u"149,95"},
    {u"4,16 m", u"0,8 mm", u"1,20", u"1089,00", u"15", u"149,95"},
    {u"4,16 m", u"0,8 mm", u"1,50", u"1429,00", u"19", u"149,95"},
    {u"4,16 m", u"1 mm", u"1,50", u"1449,00", u"19", u"149,95"},
    {u"5,00 m", u"0,6 mm", u"1,20", u"1029,00", u"22", u"149,95"},
    {u"5,00 m", u"0,6 mm", u"1,50", u"1349,00", u"28", u"149,95"},
    {u"5,00 m", u"0,8 mm", u"1,20", u"1349,00", u"22", u"149,95"},
    {u"5,00 m", u"0,8 mm", u"1,50", u"1749,00", u"28", u"149,95"},
    {u"5,00 m", u"1 mm", u"1,50", u"1799,00", u"28", u"149,95"},
    {u"6,00 m", u"0,6 mm", u"1,20", u"1299,00", u"31", u"209,95"},
    {u"6,00 m", u"0,6 mm", u"1,50", u"1699,00", u"40", u"209,95"},
    {u"6,00 m", u"0,8 mm", u"1,20", u"1649,00", u"31", u"209,95"},
    {u"6,00 m", u"0,8 mm", u"1,50", u"2189,00", u"40", u"209,95"},
    {u"6,00 m", u"1 mm", u"1,50", u"2199,00", u"40", u"209,95"},
    {u"7,00 m", u"0,6 mm", u"1,20", u"1599,00", u"42", u"249,95"},
    {u"7,00 m", u"0,6 mm", u"1,50", u"1999,00", u"58", u"249,95"},
    {u"7,00 m", u"0,8 mm", u"1,20", u"1999,00", u"42", u"249,95"},
    {u"7,00 m", u"0,8 mm", u"1,50", u"2599,00", u"54", u"249,95"},
    {u"7,00 m", u"1 mm", u"1,50", u"2599,00", u"54", u"249,95"},
    {u"8,00 m", u"0,6 mm", u"1,20", u"1999,00", u"55", u"249,95"},
    {u"8,00 m", u"0,6 mm", u"1,50", u"2329,00", u"75", u"335,95"},
    {u"8,00 m", u"0,8 mm", u"1,20", u"2349,00", u"55", u"335,95"},
    {u"8,00 m", u"0,8 mm", u"1,50", u"2999,00", u"70", u"335,95"},
    {u"8,00 m", u"1 mm", u"1,50", u"2999,00", u"70", u"335,95"},
};

// ---- oval pool

constexpr Size ovalSizes[] = {
    {"b320x525", u"3,20 m x 5,25 m", u"829,00", {u"3499,00", u"3899,00"}},
    {"b320x600", u"3,20 m x 6,00 m", u"899,00", {u"3999,00", u"4499,00"}},
    {"b350x700", u"3,50 m x 7,00 m", u"1009,00", {u"4499,00", u"4999,00"}},
    {"b416x800", u"4,16 m x 8,00 m", u"1149,00", {u"5499,00", u"5999,00"}},
    {"b416x1000", u"4,16 m x 10,00 m", u"1359,00"},
    {"b500x900", u"5,00 m x 9,00 m", u"1339,00"},
    {"b500x1100", u"5,00 m x 11,00 m", u"1569,00"},
};

// At 3,50 m x 7,00 m the 0,8 mm kit for 1,50 m costs more than the 1 mm kit: catalogue prices.
constexpr Kit ovalKits[] = {
    {u"3,20 m x 5,25 m", u"0,6 mm", u"1,20", u"1049,00", u"17", u"149,95"},
    {u"3,20 m x 5,25 m", u"0,6 mm", u"1,50", u"1349,00", u"22", u"149,95"},
    {u"3,20 m x 5,25 m", u"0,8 mm", u"1,20", u"1129,00", u"17", u"149,95"},
    {u"3,20 m x 5,25 m", u"0,8 mm", u"1,50", u"1469,00", u"22", u"149,95"},
    {u"3,20 m x 5,25 m", u"1 mm", u"1,50", u"1699,00", u"22", u"149,95"},
    {u"3,20 m x 6,00 m", u"0,6 mm", u"1,20", u"1159,00", u"19", u"149,95"},
    {u"3,20 m x 6,00 m", u"0,6 mm", u"1,50", u"1499,00", u"24", u"149,95"},
    {u"3,20 m x 6,00 m", u"0,8 mm", u"1,20", u"1249,00", u"19", u"149,95"},
    {u"3,20 m x 6,00 m", u"0,8 mm", u"1,50", u"1619,00", u"24", u"149,95"},
    {u"3,20 m x 6,00 m", u"1 mm", u"1,50", u"1899,00", u"24", u"149,95"},
    {u"3,50 m x 7,00 m", u"0,6 mm", u"1,20", u"1379,00", u"24", u"149,95"},
    {u"3,50 m x 7,00 m", u"0,6 mm", u"1,50", u"1749,00", u"31", u"149,95"},
    {u"3,50 m x 7,00 m", u"0,8 mm", u"1,20", u"1469,00", u"24", u"149,95"},
    {u"3,50 m x 7,00 m", u"0,8 mm", u"1,50", u"2449,00", u"31", u"149,95"},
    {u"3,50 m x 7,00 m", u"1 mm", u"1,50", u"2199,00", u"31", u"149,95"},
    {u"4,16 m x 8,00 m", u"0,6 mm", u"1,20", u"1599,00", u"33", u"209,95"},
    {u"4,16 m x 8,00 m", u"0,6 mm", u"1,50", u"1999,00", u"41", u"209,95"},
    {u"4,16 m x 8,00 m", u"0,8 mm", u"1,20", u"1699,00", u"33", u"209,95"},
    {u"4,16 m x 8,00 m", u"0,8 mm", u"1,50", u"2149,00", u"41", u"209,95"},
    {u"4,16 m x 8,00 m", u"1 mm", u"1,50", u"2599,00", u"41", u"209,95"},
    {u"4,16 m x 10,00 m", u"0,6 mm", u"1,20", u"1899,00", u"42", u"219,95"},
    {u"4,16 m x 10,00 m", u"0,6 mm", u"1,50", u"2399,00", u"53", u"219,95"},
    {u"4,16 m x 10,00 m", u"0,8 mm", u"1,20", u"2049,00", u"42", u"219,95"},
    {u"4,16 m x 10,00 m", u"0,8 mm", u"1,50", u"2599,00", u"53", u"219,95"},
    {u"4,16 m x 10,00 m", u"1 mm", u"1,50", u"2999,00", u"53", u"219,95"},
    {u"5,00 m x 9,00 m", u"0,6 mm", u"1,20", u"1899,00", u"44", u"295,95"},
    {u"5,00 m x 9,00 m", u"0,6 mm", u"1,50", u"2399,00", u"56", u"295,95"},
    {u"5,00 m x 9,00 m", u"0,8 mm", u"1,20", u"2049,00", u"44", u"295,95"},
    {u"5,00 m x 9,00 m", u"0,8 mm", u"1,50", u"2599,00", u"56", u"295,95"},
    {u"5,00 m x 9,00 m", u"1 mm", u"1,50", u"2999,00", u"56", u"295,95"},
    {u"5,00 m x 11,00 m", u"0,6 mm", u"1,20", u"2299,00", u"55", u"314,95"},
    {u"5,00 m x 11,00 m", u"0,6 mm", u"1,50", u"2799,00", u"70", u"314,95"},
    {u"5,00 m x 11,00 m", u"0,8 mm", u"1,20", u"2499,00", u"55", u"314,95"},
    {u"5,00 m x 11,00 m", u"0,8 mm", u"1,50", u"2999,00", u"70", u"314,95"},
    {u"5,00 m x 11,00 m", u"1 mm", u"1,50", u"3499,00", u"70", u"314,95"},
};

// ---- figure-eight pool

constexpr Size figureEightSizes[] = {
    {"b320x525", u"3,20 x 5,25 m", u"859,00"},
    {"b360x625", u"3,60 x 6,25 m", u"1009,00"},
    {"b460x725", u"4,60 x 7,25 m", u"1179,00"},
    {"b500x855", u"5,00 x 8,55 m", u"1339,00"},
};

constexpr Kit figureEightKits[] = {
    {u"3,20 x 5,25 m", u"0,6 mm", u"1,20", u"1799,00", u"16", u"149,95"},
    {u"3,20 x 5,25 m", u"0,6 mm", u"1,50", u"2149,00", u"21", u"149,95"},
    {u"3,20 x 5,25 m", u"0,8 mm", u"1,20", u"1899,00", u"16", u"149,95"},
    {u"3,20 x 5,25 m", u"0,8 mm", u"1,50", u"2449,00", u"21", u"149,95"},
    {u"3,20 x 5,25 m", u"1 mm", u"1,50", u"2699,00", u"21", u"149,95"},
    {u"3,60 x 6,25 m", u"0,6 mm", u"1,20", u"1999,00", u"21", u"149,95"},
    {u"3,60 x 6,25 m", u"0,6 mm", u"1,50", u"2549,00", u"26", u"149,95"},
    {u"3,60 x 6,25 m", u"0,8 mm", u"1,20", u"2649,00", u"21", u"149,95"},
    {u"3,60 x 6,25 m", u"0,8 mm", u"1,50", u"2799,00", u"26", u"149,95"},
    {u"3,60 x 6,25 m", u"1 mm", u"1,50", u"2999,00", u"26", u"149,95"},
    {u"4,60 x 7,25 m", u"0,6 mm", u"1,20", u"2499,00", u"31", u"209,95"},
    {u"4,60 x 7,25 m", u"0,6 mm", u"1,50", u"2999,00", u"39", u"149,95"},
    {u"4,60 x 7,25 m", u"0,8 mm", u"1,20", u"2649,00", u"31", u"209,95"},
    {u"4,60 x 7,25 m", u"0,8 mm", u"1,50", u"3399,00", u"39", u"209,95"},
    {u"4,60 x 7,25 m", u"1 mm", u"1,50", u"3699,00", u"39", u"209,95"},
    {u"5,00 x 8,55 m", u"0,6 mm", u"1,20", u"2699,00", u"39", u"244,95"},
    {u"5,00 x 8,55 m", u"0,6 mm", u"1,50", u"3399,00", u"50", u"244,95"},
    {u"5,00 x 8,55 m", u"0,8 mm", u"1,20", u"2899,00", u"39", u"244,95"},
    {u"5,00 x 8,55 m", u"0,8 mm", u"1,50", u"3799,00", u"50", u"244,95"},
    {u"5,00 x 8,55 m", u"1 mm", u"1,50", u"4099,00", u"50", u"244,95"},
};

constexpr SummaryLine figureEightSummary[] = {
    {u"Beckenmaße:  ", "du"},
    {u"Folienstärke: (adriablau) ", "fo"},
    {u"Beckenhöhe:  ", "hh", u"m"},
    {u"Inhalt:  ", "mmm", u"m³"},
    {u"Bodenflies:  ", "flies", u"€ +"},
    {u"inkl. Kombihandlauf (blau)"},
    {u"Beckenrandsteine:  ", "randpr", u"€ +"},
    {u"Schwimmbeckenpreis:  ", "pr", u"€"},
};

// ---- rectangular pool: in-ground, 1,50 m wall only, fleece included in the kit

constexpr Size rectangularSizes[] = {
    {"b3x6", u"3,00 x 6,00 m", u"1059,00"},
    {"b35x70", u"3,50 x 7,00 m", u"1209,00"},
    {"b40x80", u"4,00 x 8,00 m", u"1429,00"},
    {"b50x90", u"5,00 x 9,00 m", u"1639,00"},
};

constexpr Choice rectangularHeights[] = {{"kh", u"1,20"}, {"h15", u"1,50"}};

constexpr Kit rectangularKits[] = {
    {u"3,00 x 6,00 m", u"0,8 mm", u"1,50", u"3199,00", u"26", u"0", u"8,8 m³"},
    {u"3,00 x 6,00 m", u"1 mm", u"1,50", u"3499,00", u"26", u"0", u"8,8 m³"},
    {u"3,50 x 7,00 m", u"0,8 mm", u"1,50", u"3699,00", u"34", u"0", u"10,9 m³"},
    {u"3,50 x 7,00 m", u"1 mm", u"1,50", u"4099,00", u"34", u"0", u"10,9 m³"},
    {u"4,00 x 8,00 m", u"0,8 mm", u"1,50", u"4199,00", u"45", u"0", u"13,3 m³"},
    {u"4,00 x 8,00 m", u"1 mm", u"1,50", u"4649,00", u"45", u"0", u"13,3 m³"},
    {u"5,00 x 9,00 m", u"0,8 mm", u"1,50", u"4999,00", u"64", u"0", u"17,2 m³"},
    {u"5,00 x 9,00 m", u"1 mm", u"1,50", u"5449,00", u"64", u"0", u"17,2 m³"},
};

constexpr SummaryLine rectangularSummary[] = {
    {u"Beckenmaße:  ", "du"},
    {u"Folienstärke:  (adirablau)", "fo"},
    {u"Beckenhöhe:  ", "hh", u"m"},
    {u"Inhalt:  ", "mmm", u"m³"},
    {u"Beton für Becken:  ", "bet"},
    {u"Beckenrandsteine:  ", "randpr", u"€ +"},
    {u"Schwimmbeckenpreis:  ", "pr", u"€"},
};

} // namespace

const Shape roundPool = {roundSizes, liners, heights, roundKits, u"0,00", aboveGroundSummary, u"/Rundpool", false};
const Shape ovalPool = {ovalSizes, liners, heights, ovalKits, u"0,00", aboveGroundSummary, u"/Ovalpool", true};
const Shape figureEightPool = {figureEightSizes, liners, heights, figureEightKits, u"0,00", figureEightSummary, {}, false};
// Without edge stones this page lists "0", not "0,00".
const Shape rectangularPool = {rectangularSizes, liners, rectangularHeights, rectangularKits, u"0", rectangularSummary, {}, false};

const Kit *findKit(const Shape &shape, QStringView size, QStringView liner, QStringView height)
{
    for (const Kit &kit : shape.kits)
        if (kit.size == size && kit.liner == liner && kit.height == height)
            return &kit;
    return nullptr;
}

} // namespace pool
