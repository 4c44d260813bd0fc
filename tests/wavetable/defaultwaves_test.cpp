#include "wavetable/defaultwaves.h"
#include "wavetable/defaultwavesinput.h"
#include "wavetable/wavetablefixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorin {
namespace {

struct Table {
    GridModel grid = test::waveTable("");
    std::int16_t noOfWaves = 7;

    Result<std::string> generate(float minPeriod, float maxPeriod, int count)
    {
        return DefaultWaves(
            grid, { minPeriod, maxPeriod, static_cast<std::int16_t>(count) }, 22, noOfWaves, '.');
    }
    // Height, period and theory of a row, joined by "/".
    std::string row(int r) const
    {
        return grid.text(r, 1) + "/" + grid.text(r, 2) + "/" + grid.text(r, 3);
    }
};

// The dialog's defaults, then 10 waves over them, then a minimum period
// above the maximum.
TEST(DefaultWaves, StandardTableFewerWavesAndFallingPeriods)
{
    Table t;
    EXPECT_EQ(t.generate(2.5f, 14, 20), "Frequency increment is 0.1087 Rad/s");
    EXPECT_EQ(t.noOfWaves, 20);
    std::string rows;
    for (const int r : { 1, 2, 10, 15, 16, 19, 20, 21 })
        rows += t.row(r) + "|";
    EXPECT_EQ(rows,
        "0.44/2.50/1|0.48/2.61/1|1.19/4.09/1|2.85/6.33/1|3.59/7.11/2|9.02/11.27/2|"
        "13.91/14.00/2|//|");

    const std::string row11 = t.row(11);
    ASSERT_TRUE(t.generate(3, 12, 10).has_value());
    EXPECT_EQ(std::tuple(t.noOfWaves, t.grid.text(10, 2), t.row(11), t.row(20)),
        std::tuple(10, "12.00", row11, "13.91/14.00/2"));

    EXPECT_EQ(t.generate(14, 2.5f, 20), "Frequency increment is -0.1087 Rad/s");
    EXPECT_EQ(t.grid.text(1, 2) + " " + t.grid.text(20, 2), "14.00 2.50");
    for (int row = 2; row <= 20; ++row)
        EXPECT_LT(std::stod(t.grid.text(row, 2)), std::stod(t.grid.text(row - 1, 2))) << row;
}

TEST(DefaultWaves, TheoryFollowsTheUnroundedHeight)
{
    // At steepness 22, 6.501707 s gives a height of exactly 3.0 in single
    // precision and 6.4974 s one of about 2.996; both show as 3.00.
    Table exact, below;
    ASSERT_TRUE(exact.generate(6.501707f, 10, 2) && below.generate(6.4974f, 10, 2));
    EXPECT_EQ(exact.row(1) + " " + below.row(1), "3.00/6.50/2 3.00/6.50/1");
}

// Backspace passes both key filters; Ctrl+C, Ctrl+X and the comma pass a
// real box's only. The dialog's tests type the other keys.
TEST(DefaultWavesDialog, KeyFiltersPassBackspaceAndTheClipboardKeys)
{
    EXPECT_EQ(std::vector({ RealIn(8), IntIn(8), RealIn(3), RealIn(24), RealIn(','), IntIn(3),
                  IntIn(24), IntIn(',') }),
        std::vector({ 8, 8, 3, 24, int { ',' }, 0, 0, 0 }));
}

} // namespace
} // namespace quorin
