#include "common/numberreading.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace quorin {
namespace {

constexpr double infinity = std::numeric_limits<double>::infinity();

const std::pair<const char*, double> lenientCases[]
    = { { "2,5", 2 }, { "1E3x", 1000 }, { ".5", 0.5 }, { "abc", 0 }, { "\t\r\n 7", 7 }, { "+4", 4 },
          { "1 2", 1 }, { "1e+", 1 }, { "1e-400", 0 }, { "1e400", infinity },
          { "-1e99999999999999999999", -infinity }, { "0.00000000001e400", infinity } };

TEST(NumberReading, Lenient)
{
    for (const auto& [text, expected] : lenientCases)
        EXPECT_EQ(readLenient(text), expected) << text;
}

const std::tuple<const char*, char, std::optional<double>> strictCases[]
    = { { "  -12.5  ", '.', -12.5 }, { "+3", '.', 3 }, { "1E-2", '.', 0.01 }, { "1,5", ',', 1.5 },
          { "", '.', std::nullopt }, { "-", '.', std::nullopt }, { "1.2.3", '.', std::nullopt },
          { "1.5", ',', std::nullopt }, { "1,000", '.', std::nullopt }, { "1e", '.', std::nullopt },
          { "1e400", '.', std::nullopt } };

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
    EXPECT_EQ(std::tuple(toSingleStrict("0.1", '.'), toSingleStrict("3.4E38", '.')),
        std::tuple(0.1f, 3.4e38f));
    EXPECT_EQ(std::tuple(toInt16Strict(" 71.5 ", '.'), toInt16Strict("-32768,5", ','),
                  toInt16Strict("32767.5", '.')),
        std::tuple(72, -32768, std::nullopt));
    EXPECT_EQ(std::tuple(roundToInt16(70.5), roundToInt16(-1.5), roundToInt16(std::nan(""))),
        std::tuple(70, -2, std::nullopt));
    EXPECT_EQ(std::tuple(roundToInt32(-2147483648.5), roundToInt32(2147483647.5)),
        std::tuple(-2147483647 - 1, std::nullopt));
}

} // namespace
} // namespace quorin
