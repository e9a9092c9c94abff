#pragma once

#include "errors.h"

#include <QString>

#include <optional>

// Prices, totals and measures travel as texts with a decimal comma ("599,95").
// Arithmetic is done in extended precision on numbers read from such texts.
namespace app {

using Number = long double;

// Reads a decimal-comma text ("818,95", " 12 ", "-3", "1,5E3"); nothing for an empty or
// non-numeric text.
std::optional<Number> readNumber(const QString &text);
// The same for a text that must be a number: throws conversionError for any other.
Number toNumber(const QString &text);

// The error of a text that does not read as a number, or of an input whose result no
// field can show: "'<text>' is not a valid floating point value". The text is quoted
// with at most 60 characters, then "…", so that a pasted page keeps the box small.
Error conversionError(const QString &text);

// The general number text: up to 15 significant digits, no trailing zeros,
// no comma for whole numbers (629, 61,9, 1834,45).
QString generalText(Number value);

// The two-decimal text of "%2.2f" ("629,00", "0,00"); rounds half away from zero
// on the decimal digits of the value.
QString fixed2Text(Number value);

// The display number format at a given precision: rounded half away from zero to
// `precision` significant digits, written with `decimals` decimals, a decimal comma and
// a point between thousands (114,33 at 4 and 2 shows "114,30"; 1200 shows "1.200,00").
// Such a text with a thousands point does not read back with toNumber.
QString numberText(Number value, int precision, int decimals);

// The writers above take finite values only; infinity or NaN throws
// conversionError("INF" / "NAN") rather than putting it into a field.

} // namespace app
