#include "common/numberforms.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <stdexcept>
#include <system_error>

namespace quorin {

namespace {

// A decimal value: digits[0] is the digit at the power of ten exp10, the
// next one at exp10 - 1 and so on. No leading or trailing zeros; count 0
// is zero.
struct Decimal {
    char digits[24] {};
    int count = 0;
    int exp10 = 0;
    bool negative = false;

    char digitAt(int power) const
    {
        const int index = exp10 - power;
        return index >= 0 && index < count ? digits[index] : '0';
    }
    bool isZero() const { return count == 0; }
};

constexpr int significantDigits(Precision precision)
{
    return precision == Precision::Single ? 7 : 15;
}

// The value a single-precision variable holds. A double beyond the single
// range is kept as it is rather than turned into an infinity.
double asStored(double value, Precision precision)
{
    if (precision == Precision::Single && std::isfinite(value)
        && std::fabs(value) <= static_cast<double>(std::numeric_limits<float>::max()))
        return static_cast<double>(static_cast<float>(value));
    return value;
}

// Parses the output of std::to_chars in scientific form ("d.ddde+XX") into
// its digit string and decimal exponent; `digits` may be `first` itself.
int splitScientific(const char* first, const char* last, char* digits, int& count)
{
    count = 0;
    const char* p = first;
    for (; p != last && *p != 'e'; ++p)
        if (*p != '.')
            digits[count++] = *p;
    int exponent = 0;
    if (p != last) {
        ++p;
        const bool negative = *p == '-';
        if (*p == '-' || *p == '+')
            ++p;
        for (; p != last; ++p)
            exponent = exponent * 10 + (*p - '0');
        if (negative)
            exponent = -exponent;
    }
    return exponent;
}

// Adds one unit in the last of `count` digits; returns true when the carry
// runs out of the front (all nines), leaving every digit '0'.
bool incrementDigits(char* digits, int count)
{
    for (int i = count - 1; i >= 0; --i) {
        if (digits[i] != '9') {
            ++digits[i];
            return false;
        }
        digits[i] = '0';
    }
    return true;
}

void dropTrailingZeros(Decimal& d)
{
    while (d.count > 0 && d.digits[d.count - 1] == '0')
        --d.count;
}

// How many digits after the first the exact decimal expansion of a finite,
// non-zero value has at most; exp10 is the power of ten of its first digit.
int exactDigitsAfterFirst(double magnitude, int exp10)
{
    int binaryExponent = 0;
    const double fraction = std::frexp(magnitude, &binaryExponent);
    auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
    int lowestBit = binaryExponent - 53;
    while ((mantissa & 1) == 0) {
        mantissa >>= 1;
        ++lowestBit;
    }
    // 2^-n has exactly n decimals.
    return std::min(exp10 + std::max(0, -lowestBit), 780);
}

// The finite value rounded to `sig` significant digits, halves away from
// zero on the exact binary value.
Decimal roundSignificant(double value, int sig)
{
    Decimal d;
    d.negative = std::signbit(value);
    const double magnitude = std::fabs(value);
    if (magnitude == 0)
        return d;

    // The shortest digits that read back as the value round the same way as
    // the value itself, since a double's spacing is below a quarter of the
    // spacing of 15 significant digits. Not so when they end exactly on a
    // half (one digit more than kept, that digit a 5): the value may lie on
    // either side of it, or on it, and its exact expansion settles it.
    char digits[800];
    int count = 0;
    auto result
        = std::to_chars(digits, digits + sizeof digits, magnitude, std::chars_format::scientific);
    int exponent = splitScientific(digits, result.ptr, digits, count);
    // Subnormal doubles carry fewer digits than their shortest form shows.
    const bool subnormal = magnitude < std::numeric_limits<double>::min();
    if ((count == sig + 1 && digits[sig] == '5') || subnormal) {
        result = std::to_chars(digits, digits + sizeof digits, magnitude,
            std::chars_format::scientific,
            std::max(sig, exactDigitsAfterFirst(magnitude, exponent)));
        exponent = splitScientific(digits, result.ptr, digits, count);
    }
    for (int i = count; i <= sig; ++i)
        digits[i] = '0';
    const bool roundUp = digits[sig] >= '5';
    if (roundUp && incrementDigits(digits, sig)) {
        digits[0] = '1';
        ++exponent;
    }
    for (int i = 0; i < sig; ++i)
        d.digits[i] = digits[i];
    d.count = sig;
    d.exp10 = exponent;
    dropTrailingZeros(d);
    return d;
}

void appendExponent(std::string& out, int exp10)
{
    out += 'E';
    out += exp10 < 0 ? '-' : '+';
    const int magnitude = std::abs(exp10);
    if (magnitude < 10)
        out += '0';
    char text[8];
    const auto result = std::to_chars(text, text + sizeof text, magnitude);
    out.append(text, result.ptr);
}

// The digits of a non-zero value without its sign: fixed form for ordinary
// magnitudes, exponent form from 10^limit up and below 10^-4.
void appendMagnitude(
    std::string& out, const Decimal& d, int limit, bool zeroBeforePoint, char decimalSymbol)
{
    if (d.exp10 >= limit || d.exp10 < -4) {
        out += d.digits[0];
        if (d.count > 1) {
            out += decimalSymbol;
            out.append(d.digits + 1, static_cast<std::size_t>(d.count - 1));
        }
        appendExponent(out, d.exp10);
        return;
    }
    if (d.exp10 >= 0) {
        for (int power = d.exp10; power >= 0; --power)
            out += d.digitAt(power);
    } else if (zeroBeforePoint) {
        out += '0';
    }
    const int lowest = d.exp10 - d.count + 1;
    if (lowest < 0) {
        out += decimalSymbol;
        for (int power = -1; power >= lowest; --power)
            out += d.digitAt(power);
    }
}

const char* nonFiniteText(double value)
{
    if (std::isnan(value))
        return "NAN";
    return "INF";
}

// Integral values inside the fixed-form range skip the digit rounding: they
// are written exactly as they are.
bool appendIntegral(std::string& out, double value, Precision precision)
{
    const double limit = precision == Precision::Single ? 1e7 : 1e15;
    if (!(std::fabs(value) < limit))
        return false;
    const auto whole = static_cast<std::int64_t>(value);
    if (static_cast<double>(whole) != value)
        return false;
    char text[24];
    const auto result = std::to_chars(text, text + sizeof text, whole < 0 ? -whole : whole);
    out.append(text, result.ptr);
    return true;
}

// The sign-free body shared by the four forms; `negative` tells whether a
// minus sign belongs in front (never for zero).
void appendBody(std::string& out, double value, Precision precision, bool zeroBeforePoint,
    char decimalSymbol, bool& negative)
{
    value = asStored(value, precision);
    if (!std::isfinite(value)) {
        negative = !std::isnan(value) && value < 0;
        out += nonFiniteText(value);
        return;
    }
    negative = value < 0;
    if (appendIntegral(out, value, precision))
        return;
    const Decimal d = roundSignificant(value, significantDigits(precision));
    appendMagnitude(out, d, significantDigits(precision), zeroBeforePoint, decimalSymbol);
}

std::string signedBody(double value, Precision precision, char decimalSymbol)
{
    std::string out(1, ' ');
    bool negative = false;
    appendBody(out, value, precision, false, decimalSymbol, negative);
    if (negative)
        out[0] = '-';
    return out;
}

struct Pattern {
    int minIntegerDigits = 0;
    int decimals = 0;
    bool point = false;
};

// "#0.00", "0.000", "0" and the like: '#' and '0' before the point, '0'
// after it.
Pattern parsePattern(std::string_view pattern)
{
    Pattern p;
    std::size_t i = 0;
    while (i < pattern.size() && pattern[i] == '#')
        ++i;
    while (i < pattern.size() && pattern[i] == '0') {
        ++p.minIntegerDigits;
        ++i;
    }
    if (i < pattern.size() && pattern[i] == '.') {
        p.point = true;
        ++i;
        while (i < pattern.size() && pattern[i] == '0') {
            ++p.decimals;
            ++i;
        }
    }
    if (i != pattern.size() || pattern.empty())
        throw std::invalid_argument("unsupported number format pattern: " + std::string(pattern));
    return p;
}

// Rounds a decimal to `decimals` places after the point, halves away from zero.
void roundToDecimals(Decimal& d, int decimals)
{
    if (d.isZero())
        return;
    const int kept = d.exp10 + 1 + decimals;
    if (kept >= d.count)
        return;
    if (kept < 0) {
        d.count = 0;
        return;
    }
    const bool roundUp = d.digits[kept] >= '5';
    d.count = kept;
    if (roundUp) {
        if (kept == 0) {
            d.digits[0] = '1';
            d.count = 1;
            d.exp10 = -decimals;
            return;
        }
        if (incrementDigits(d.digits, kept)) {
            d.digits[0] = '1';
            d.count = 1;
            ++d.exp10;
        }
    }
    dropTrailingZeros(d);
}

} // namespace

std::string printForm(double value, Precision precision, char decimalSymbol)
{
    std::string out = signedBody(value, precision, decimalSymbol);
    out += ' ';
    return out;
}

std::string signedForm(double value, Precision precision)
{
    return signedBody(value, precision, '.');
}

std::string plainForm(double value, Precision precision)
{
    std::string out;
    bool negative = false;
    appendBody(out, value, precision, false, '.', negative);
    if (negative)
        out.insert(out.begin(), '-');
    return out;
}

std::string textForm(double value, Precision precision, char decimalSymbol)
{
    std::string out;
    bool negative = false;
    appendBody(out, value, precision, true, decimalSymbol, negative);
    if (negative)
        out.insert(out.begin(), '-');
    return out;
}

std::string formatNumber(double value, std::string_view pattern, char decimalSymbol)
{
    const Pattern p = parsePattern(pattern);
    std::string out;
    if (!std::isfinite(value)) {
        if (!std::isnan(value) && value < 0)
            out += '-';
        out += nonFiniteText(value);
        return out;
    }
    Decimal d = roundSignificant(value, 15);
    roundToDecimals(d, p.decimals);
    if (d.negative && !d.isZero())
        out += '-';
    const int highest = d.isZero() ? -1 : d.exp10;
    for (int power = std::max(highest, p.minIntegerDigits - 1); power >= 0; --power)
        out += d.digitAt(power);
    if (p.point)
        out += decimalSymbol;
    for (int power = -1; power >= -p.decimals; --power)
        out += d.digitAt(power);
    return out;
}

} // namespace quorin
