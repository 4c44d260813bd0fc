#include "common/numberreading.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <system_error>

namespace quorin {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}
bool isSign(char c)
{
    return c == '+' || c == '-';
}

enum class Range { Fits, Overflow, Underflow };

// Converts text that numberLength() accepted whole. Out of range, value is
// left untouched and the result says which way the text went.
template <typename Number> Range convert(std::string_view text, char decimalSymbol, Number& value)
{
    std::size_t i = 0;
    const bool negative = text[i] == '-';
    if (isSign(text[i]))
        ++i;
    const std::size_t integerStart = i;
    while (i < text.size() && isDigit(text[i]))
        ++i;
    const std::string_view integer = text.substr(integerStart, i - integerStart);
    std::string_view fraction;
    if (i < text.size() && text[i] == decimalSymbol) {
        const std::size_t fractionStart = ++i;
        while (i < text.size() && isDigit(text[i]))
            ++i;
        fraction = text.substr(fractionStart, i - fractionStart);
    }
    const std::string_view exponent = i < text.size() ? text.substr(i + 1) : std::string_view {};

    // The form std::from_chars reads: no "+", a digit before the point, "." as the point.
    std::string plain;
    plain.reserve(text.size() + 2);
    if (negative)
        plain += '-';
    if (integer.empty())
        plain += '0';
    plain += integer;
    if (!fraction.empty()) {
        plain += '.';
        plain += fraction;
    }
    if (!exponent.empty()) {
        plain += 'e';
        plain += exponent;
    }
    const auto result = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (result.ec != std::errc::result_out_of_range)
        return Range::Fits;

    // Out of range: the power of ten of the first non-zero digit tells
    // whether the value is too large or too small.
    long long power = 0;
    const std::size_t firstInteger = integer.find_first_not_of('0');
    if (firstInteger != std::string_view::npos) {
        power = static_cast<long long>(integer.size() - firstInteger) - 1;
    } else {
        const std::size_t firstFraction = fraction.find_first_not_of('0');
        power = -static_cast<long long>(firstFraction) - 1;
    }
    std::size_t e = 0;
    const bool exponentNegative = !exponent.empty() && exponent[0] == '-';
    if (!exponent.empty() && isSign(exponent[0]))
        ++e;
    long long exponentValue = 0;
    for (; e < exponent.size(); ++e)
        exponentValue = std::min(exponentValue * 10 + (exponent[e] - '0'), 1'000'000'000LL);
    power += exponentNegative ? -exponentValue : exponentValue;
    return power >= 0 ? Range::Overflow : Range::Underflow;
}

std::string_view trimSpaces(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const std::size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

// The text with its surrounding spaces removed, when the rest is wholly a number.
std::optional<std::string_view> wholeNumber(std::string_view text, char decimalSymbol)
{
    text = trimSpaces(text);
    const std::size_t length = detail::numberLength(text, decimalSymbol);
    if (length == 0 || length != text.size())
        return std::nullopt;
    return text;
}

// Nearest integer, halves to even, whatever the floating-point rounding mode.
double roundHalfEven(double value)
{
    const double below = std::floor(value);
    const double fraction = value - below;
    if (fraction > 0.5)
        return below + 1;
    if (fraction < 0.5)
        return below;
    return std::fmod(below, 2.0) == 0 ? below : below + 1;
}

template <typename Integer> std::optional<Integer> roundToInteger(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const double rounded = roundHalfEven(value);
    if (rounded < static_cast<double>(std::numeric_limits<Integer>::min())
        || rounded > static_cast<double>(std::numeric_limits<Integer>::max()))
        return std::nullopt;
    return static_cast<Integer>(rounded);
}

} // namespace

namespace detail {

std::size_t numberLength(std::string_view text, char decimalSymbol)
{
    std::size_t i = 0;
    const std::size_t size = text.size();
    if (i < size && isSign(text[i]))
        ++i;
    std::size_t digits = 0;
    for (; i < size && isDigit(text[i]); ++i)
        ++digits;
    if (i < size && text[i] == decimalSymbol)
        for (++i; i < size && isDigit(text[i]); ++i)
            ++digits;
    if (digits == 0)
        return 0;
    if (i < size && (text[i] == 'E' || text[i] == 'e')) {
        std::size_t j = i + 1;
        if (j < size && isSign(text[j]))
            ++j;
        const std::size_t exponentStart = j;
        while (j < size && isDigit(text[j]))
            ++j;
        if (j > exponentStart)
            i = j;
    }
    return i;
}

} // namespace detail

double readLenient(std::string_view text)
{
    const std::size_t start = text.find_first_not_of(" \t\r\n");
    if (start == std::string_view::npos)
        return 0;
    text.remove_prefix(start);
    const std::size_t length = detail::numberLength(text, '.');
    if (length == 0)
        return 0;
    text = text.substr(0, length);
    double value = 0;
    switch (convert(text, '.', value)) {
    case Range::Fits:
        return value;
    case Range::Overflow:
        return text[0] == '-' ? -std::numeric_limits<double>::infinity()
                              : std::numeric_limits<double>::infinity();
    case Range::Underflow:
        break;
    }
    return 0;
}

namespace {

// A whole-text number in the target's range; too small to tell from 0 reads 0.
template <typename T> std::optional<T> strictFloating(std::string_view text, char decimalSymbol)
{
    const auto number = wholeNumber(text, decimalSymbol);
    if (!number)
        return std::nullopt;
    T value = 0;
    switch (convert(*number, decimalSymbol, value)) {
    case Range::Fits:
        return value;
    case Range::Overflow:
        return std::nullopt;
    case Range::Underflow:
        break;
    }
    return T(0);
}

} // namespace

std::optional<double> toDoubleStrict(std::string_view text, char decimalSymbol)
{
    return strictFloating<double>(text, decimalSymbol);
}

std::optional<float> toSingleStrict(std::string_view text, char decimalSymbol)
{
    return strictFloating<float>(text, decimalSymbol);
}

std::optional<std::int16_t> toInt16Strict(std::string_view text, char decimalSymbol)
{
    const auto value = toDoubleStrict(text, decimalSymbol);
    if (!value)
        return std::nullopt;
    return roundToInt16(*value);
}

std::optional<std::int16_t> roundToInt16(double value)
{
    return roundToInteger<std::int16_t>(value);
}

std::optional<std::int32_t> roundToInt32(double value)
{
    return roundToInteger<std::int32_t>(value);
}

} // namespace quorin
