#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace quorin {

// Lenient reading of a cell or box: leading spaces, tabs, CR and LF skipped,
// then the longest prefix that reads as a number with "." as the decimal
// point; 0 when there is none. "2,5" gives 2, "1E3x" gives 1000, "abc" gives 0.
double readLenient(std::string_view text);

// Strict conversions: surrounding spaces allowed, the rest must be wholly a
// number in the user's number format (its decimal symbol, no thousands
// separators), in range for the target. std::nullopt when the text fails.
std::optional<double> toDoubleStrict(std::string_view text, char decimalSymbol);
std::optional<float> toSingleStrict(std::string_view text, char decimalSymbol);
// Rounded to the nearest integer, halves to even, then -32768 to 32767.
std::optional<std::int16_t> toInt16Strict(std::string_view text, char decimalSymbol);

// Nearest integer with halves to even (70.5 gives 70, 71.5 gives 72), or
// std::nullopt when the result does not fit the type.
std::optional<std::int16_t> roundToInt16(double value);
std::optional<std::int32_t> roundToInt32(double value);

namespace detail {
// Length of the longest leading part of text that reads as a number: an
// optional sign, digits with at most one decimalSymbol, an optional
// exponent (E or e, optional sign, digits). 0 when it holds no digit.
std::size_t numberLength(std::string_view text, char decimalSymbol);
} // namespace detail

// Rounds a double to single precision (the value a 32-bit float stores).
inline float toSingle(double value)
{
    return static_cast<float>(value);
}

} // namespace quorin
