#include "numbertext.h"

#include "errors.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace app {

namespace {

// The decimal digits of a value, rounded to `significant` digits, with the
// position of the decimal point: value = 0.d1d2d3... * 10^exponent.
struct Decimal
{
    bool negative = false;
    std::string digits;  // without leading zeros; "0" for zero
    int exponent = 0;    // digits before the decimal point
};

Decimal decimalDigits(Number value, int significant)
{
    // to_chars, unlike printf, ignores the process locale: a German locale would
    // otherwise put its own decimal comma into the digits.
    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer - 1, value, std::chars_format::scientific,
                                       significant - 1);
    *written.ptr = '\0';
    // buffer: [-]d.ddddde[+-]xx
    Decimal d;
    const char *p = buffer;
    if (*p == '-') {
        d.negative = true;
        ++p;
    }
    for (; *p && *p != 'e'; ++p)
        if (*p != '.')
            d.digits += *p;
    d.exponent = std::atoi(p + 1) + 1;
    if (d.digits.find_first_not_of('0') == std::string::npos) {
        d.digits = "0";
        d.exponent = 1;
        d.negative = false;
    }
    return d;
}

// No field ever shows an overflow as text.
void requireFinite(Number value)
{
    if (std::isnan(value))
        throw conversionError(QStringLiteral("NAN"));
    if (std::isinf(value))
        throw conversionError(value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF"));
}

void stripTrailingZeros(std::string &digits)
{
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
}

} // namespace

std::optional<Number> readNumber(const QString &text)
{
    const QString trimmed = text.trimmed();
    // Only the decimal comma separates; a point, blanks inside or a lone sign are invalid.
    bool valid = !trimmed.isEmpty();
    std::string plain;
    int mantissaDigits = 0;
    bool inExponent = false, seenComma = false, exponentDigits = false;
    for (qsizetype i = 0; valid && i < trimmed.size(); ++i) {
        const QChar c = trimmed.at(i);
        const bool atStart = i == 0 || (inExponent && (trimmed.at(i - 1) == u'E' || trimmed.at(i - 1) == u'e'));
        if (c.isDigit() && c.unicode() < 128) {
            if (inExponent)
                exponentDigits = true;
            else
                ++mantissaDigits;
            plain += char(c.unicode());
        } else if ((c == u'+' || c == u'-') && atStart) {
            plain += char(c.unicode());
        } else if (c == u',' && !seenComma && !inExponent) {
            seenComma = true;
            plain += '.';
        } else if ((c == u'E' || c == u'e') && !inExponent && mantissaDigits > 0) {
            inExponent = true;
            plain += 'e';
        } else {
            valid = false;
        }
    }
    valid = valid && mantissaDigits > 0 && (!inExponent || exponentDigits);

    Number value = 0;
    if (valid) {
        const char *first = plain.data();
        if (*first == '+')
            ++first;
        const auto [end, ec] = std::from_chars(first, plain.data() + plain.size(), value);
        valid = ec == std::errc() && end == plain.data() + plain.size();
    }
    if (!valid)
        return std::nullopt;
    return value;
}

Number toNumber(const QString &text)
{
    if (const auto value = readNumber(text))
        return *value;
    throw conversionError(text);
}

Error conversionError(const QString &text)
{
    constexpr qsizetype quoted = 60;
    const QString shown = text.size() > quoted ? text.left(quoted) + u'…' : text;
    return Error(QStringLiteral("'%1' is not a valid floating point value").arg(shown));
}

QString generalText(Number value)
{
    requireFinite(value);
    Decimal d = decimalDigits(value, 15);
    stripTrailingZeros(d.digits);
    std::string out = d.negative ? "-" : "";
    const int digitCount = int(d.digits.size());

    if (d.exponent > 15 || d.exponent < -3) {
        // Scientific form: "1,5E-7", "1E20".
        out += d.digits[0];
        if (digitCount > 1)
            out += ',' + d.digits.substr(1);
        out += 'E' + std::to_string(d.exponent - 1);
    } else if (d.exponent <= 0) {
        out += "0," + std::string(-d.exponent, '0') + d.digits;
    } else if (digitCount <= d.exponent) {
        out += d.digits + std::string(d.exponent - digitCount, '0');
    } else {
        out += d.digits.substr(0, d.exponent) + ',' + d.digits.substr(d.exponent);
    }
    return QString::fromLatin1(out);
}

namespace {

// Rounds the digits of d half away from zero so that `keep` digits stay (keep may be
// zero or below: the value then rounds to zero or to one unit at that place).
void roundDigits(Decimal &d, int keep)
{
    if (keep >= int(d.digits.size()))
        return;
    const bool up = keep >= 0 && d.digits[size_t(keep)] >= '5';
    d.digits.resize(size_t(std::max(keep, 0)));
    if (up) {
        int i = keep - 1;
        for (; i >= 0 && d.digits[size_t(i)] == '9'; --i)
            d.digits[size_t(i)] = '0';
        if (i >= 0) {
            ++d.digits[size_t(i)];
        } else {
            d.digits.insert(d.digits.begin(), '1');
            ++d.exponent;
        }
    }
    if (d.digits.empty() || d.digits.find_first_not_of('0') == std::string::npos) {
        d.digits = "0";
        d.exponent = 1;
        d.negative = false;
    }
}

} // namespace

QString numberText(Number value, int precision, int decimals)
{
    requireFinite(value);
    Decimal d = decimalDigits(value, 18);
    roundDigits(d, precision);
    roundDigits(d, d.exponent + decimals);
    // value = 0.d1d2d3... * 10^exponent: the digits before the comma, then the decimals.
    std::string whole = "0", fraction;
    if (d.exponent > 0) {
        whole = d.digits.substr(0, size_t(d.exponent));
        whole.resize(size_t(d.exponent), '0');
    }
    for (int i = 0; i < decimals; ++i) {
        const int at = d.exponent + i;
        fraction += (at >= 0 && size_t(at) < d.digits.size()) ? d.digits[size_t(at)] : '0';
    }
    std::string grouped;
    for (size_t i = 0; i < whole.size(); ++i) {
        if (i > 0 && (whole.size() - i) % 3 == 0)
            grouped += '.';
        grouped += whole[i];
    }
    std::string out = d.negative ? "-" : "";
    out += grouped;
    if (decimals > 0)
        out += ',' + fraction;
    return QString::fromLatin1(out);
}

QString fixed2Text(Number value)
{
    requireFinite(value);
    // Round the 18 significant digits of the value half away from zero to two decimals.
    Decimal d = decimalDigits(value, 18);
    const int keep = d.exponent + 2;  // digits up to the second decimal
    std::string digits;
    if (keep >= 0) {
        digits = d.digits.substr(0, size_t(keep));
        digits.resize(size_t(keep), '0');
        const bool roundUp = size_t(keep) < d.digits.size() && d.digits[size_t(keep)] >= '5';
        if (roundUp) {
            int i = int(digits.size()) - 1;
            for (; i >= 0 && digits[size_t(i)] == '9'; --i)
                digits[size_t(i)] = '0';
            if (i >= 0)
                ++digits[size_t(i)];
            else
                digits.insert(digits.begin(), '1');
        }
    }
    if (digits.size() < 3)
        digits.insert(0, 3 - digits.size(), '0');
    const bool zero = digits.find_first_not_of('0') == std::string::npos;
    std::string out = (d.negative && !zero) ? "-" : "";
    out += digits.substr(0, digits.size() - 2) + ',' + digits.substr(digits.size() - 2);
    return QString::fromLatin1(out);
}

} // namespace app
