#pragma once

#include <QStringList>
#include <QStringView>

#include <span>

// The underwater cleaners of the catalogue, in list order: the list text that names
// each, its price, its picture and its description (the robots' as data sheets whose
// keys are padded to one column).
namespace cleaners {

struct Cleaner
{
    QStringView name;                        // the list text, the key of the look-up
    QStringView price;
    const char *picture;                     // object name of its picture; nullptr: none
    std::span<const QStringView> description;
};

extern const std::span<const Cleaner> catalogue;

// The column at which the values of a data sheet begin.
inline constexpr int dataSheetColumn = 21;

QStringList names();
QStringList description(const Cleaner &cleaner);

} // namespace cleaners
