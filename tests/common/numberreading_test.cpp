#include "common/numberreading.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace quorin {
namespace {

constexpr double infinity = std::numeric_limits<double>::infinity();

const std::pair<const char*, double> lenientCases[] = {
    { "2,5", 2 },
    { "1E3x", 1000 },
    { "-2", -2 },
    { ".5", 0.5 },
    { "abc", 0 },
    { " 12", 12 },
    { "\t\r\n 7", 7 },
    { "+4", 4 },
    { "1 2", 1 },
    { "1e+", 1 },
    { "1e-400", 0 },
    { "1e400", infinity },
    { "-1e99999999999999999999", -infinity },
    { "0.00000000001e400", infinity },
};

TEST(NumberReading, Lenient)
{
    for (const auto& [text, expected] : lenientCases)
        EXPECT_EQ(readLenient(text), expected) << text;
}

const std::tuple<const char*, char, std::optional<double>> strictCases[] = {
    { "  -12.5  ", '.', -12.5 },
    { "+3", '.', 3 },
    { "1E-2", '.', 0.01 },
    { "1,5", ',', 1.5 },
    { "", '.', std::nullopt },
    { "abc", '.', std::nullopt },
    { "-", '.', std::nullopt },
    { "1.2.3", '.', std::nullopt },
    { "1.5", ',', std::nullopt },
    { "1,000", '.', std::nullopt },
    { "1e", '.', std::nullopt },
    { "1e400", '.', std::nullopt },
};

TEST(NumberReading, StrictDouble)
{
    for (const auto& [text, decimalSymbol, expected] : strictCases)
        EXPECT_EQ(toDoubleStrict(text, decimalSymbol), expected) << text;
}

// Worked values of rounding; that a strict single is finite and a 16-bit
// integer the nearest (so out of range is refused) is the numbers fuzz
// target's property.
TEST(NumberReading, StrictSingleAndRoundingHalves)
{
    EXPECT_EQ(toSingleStrict("0.1", '.'), 0.1f);
    EXPECT_EQ(toSingleStrict("3.4E38", '.'), 3.4e38f);
    EXPECT_EQ(toInt16Strict(" 71.5 ", '.'), 72);
    EXPECT_EQ(toInt16Strict("-32768,5", ','), -32768);
    EXPECT_EQ(toInt16Strict("32767.5", '.'), std::nullopt);
    EXPECT_EQ(roundToInt16(70.5), 70);
    EXPECT_EQ(roundToInt16(-1.5), -2);
    EXPECT_EQ(roundToInt16(-0.5), 0);
    EXPECT_EQ(roundToInt16(std::nan("")), std::nullopt);
    EXPECT_EQ(roundToInt32(70.6), 71);
    EXPECT_EQ(roundToInt32(-2147483648.5), -2147483647 - 1);
    EXPECT_EQ(roundToInt32(2147483647.5), std::nullopt);
}

} // namespace
} // namespace quorin
