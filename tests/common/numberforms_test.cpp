#include "common/numberforms.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace quorin {
namespace {

constexpr auto S = Precision::Single;
constexpr auto D = Precision::Double;

// The signed and plain forms follow from the print form, so each case checks all four.
// A value, its precision, its print form and its text form.
const std::tuple<double, Precision, std::string, const char*> formCases[] = {
    { 12345678, S, " 1.234568E+07 ", "1.234568E+07" }, { 12345678, D, " 12345678 ", "12345678" },
    { 0.5, S, " .5 ", "0.5" }, { -0.5, S, "-.5 ", "-0.5" }, { -3, S, "-3 ", "-3" },
    { 1.0 / 3, S, " .3333333 ", "0.3333333" },
    { 1.0 / 3, D, " .333333333333333 ", "0.333333333333333" }, { 0.3 / 100, D, " .003 ", "0.003" },
    { -0.0, S, " 0 ", "0" },
    // Halves go away from zero, judged on the exact binary value.
    { -123456.75, S, "-123456.8 ", "-123456.8" },
    { 123456789012.3125, D, " 123456789012.313 ", "123456789012.313" },
    { 1.234567890123455, D, " 1.23456789012345 ", "1.23456789012345" },
    // A single is written as stored: 123456.749 is 123456.75, a half at the eighth digit.
    { 123456.749, S, " 123456.8 ", "123456.8" }, { 123456.749, D, " 123456.749 ", "123456.749" },
    { 0.1f, D, " .100000001490116 ", "0.100000001490116" },
    // Exponent form from the rounded magnitude.
    { 9999999, S, " 9999999 ", "9999999" }, { 10000000, S, " 1E+07 ", "1E+07" },
    { 999999999999999, D, " 999999999999999 ", "999999999999999" },
    { 999999999999999.5, D, " 1E+15 ", "1E+15" }, { 0.0001, S, " .0001 ", "0.0001" },
    { 0.00009999, S, " 9.999E-05 ", "9.999E-05" }, { 1e100, D, " 1E+100 ", "1E+100" }
};

TEST(NumberForms, EveryFormOfTheWorkedValues)
{
    for (const auto& [value, precision, print, text] : formCases) {
        SCOPED_TRACE(print);
        const std::string signedText = print.substr(0, print.size() - 1);
        EXPECT_EQ(printForm(value, precision), print);
        EXPECT_EQ(signedForm(value, precision), signedText);
        EXPECT_EQ(
            plainForm(value, precision), signedText[0] == ' ' ? signedText.substr(1) : signedText);
        EXPECT_EQ(textForm(value, precision), text);
    }
}

TEST(NumberForms, DecimalCommaInPrintAndTextFormOnly)
{
    EXPECT_EQ(printForm(12.25, S, ',') + printForm(-1.5e-5, S, ',') + textForm(0.05, S, ','),
        " 12,25 -1,5E-05 0,05");
}

const std::tuple<double, const char*, char, const char*> formatCases[]
    = { { 2.675, "0.00", '.', "2.68" }, { 9.995, "#0.00", '.', "10.00" }, { -0.5, "0", '.', "-1" },
          { -0.4, "0", '.', "0" }, { 1e20, "0", '.', "100000000000000000000" },
          { 7.125, "#0.00", ',', "7,13" } };

TEST(NumberForms, FormatPatterns)
{
    for (const auto& [value, pattern, decimalSymbol, expected] : formatCases)
        EXPECT_EQ(formatNumber(value, pattern, decimalSymbol), expected) << value << " " << pattern;
    EXPECT_THROW(formatNumber(1, "0.0#x"), std::invalid_argument);
}

} // namespace
} // namespace quorin
