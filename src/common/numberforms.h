#pragma once

#include <string>
#include <string_view>

namespace quorin {

// How many significant digits a value carries when it is written: 7 for a
// single-precision value, 15 for a double-precision one.
enum class Precision { Single, Double };

// The number forms every file and view writes numbers in. Values are rounded
// to the precision's significant digits (halves away from zero), trailing
// zeros dropped; exponent form from 1E+07 (single) or 1E+15 (double) up and
// below 1E-04.

// A print item: " " or "-", the number without a zero before the point, " ".
// 12345678 (single) gives " 1.234568E+07 ", 0.5 gives " .5 ".
std::string printForm(double value, Precision precision, char decimalSymbol = '.');

// The print form without its trailing space, always with ".": " 9.5", "-3".
std::string signedForm(double value, Precision precision);

// The signed form without its leading space: "12", ".5", "-3".
std::string plainForm(double value, Precision precision);

// Shortest text with a zero before the point and no spaces: "0.05", "12.25", "3".
std::string textForm(double value, Precision precision, char decimalSymbol = '.');

// A format pattern: "#0.00", "0.00", "0.000", "#0.0000" or "0". The value is
// taken with 15 significant digits, then rounded to the shown decimals,
// halves away from zero (2.675 gives "2.68"). A result of zero has no sign.
std::string formatNumber(double value, std::string_view pattern, char decimalSymbol = '.');

} // namespace quorin
