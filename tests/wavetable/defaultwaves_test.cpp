#include "wavetable/defaultwaves.h"
#include "wavetable/defaultwavesinput.h"
#include "wavetable/wavetablefixture.h"

#include <gtest/gtest.h>

#include <string>

namespace quorin {
namespace {

struct Table {
    GridModel grid = test::waveTable("");
    std::int16_t noOfWaves = 7;

    Result<std::string> generate(float minPeriod, float maxPeriod, int count, float steepness = 22)
    {
        const DefaultWaveParameters p { minPeriod, maxPeriod, static_cast<std::int16_t>(count) };
        return DefaultWaves(grid, p, steepness, noOfWaves, '.');
    }
    // Height, period and theory of a row, joined by "/".
    std::string row(int r) const
    {
        return grid.text(r, 1) + "/" + grid.text(r, 2) + "/" + grid.text(r, 3);
    }
};

TEST(DefaultWaves, DialogDefaultsGiveTheStandardTable)
{
    Table t;
    EXPECT_EQ(t.generate(2.5f, 14, 20), "Frequency increment is 0.1087 Rad/s");
    EXPECT_EQ(t.noOfWaves, 20);
    const std::pair<int, const char*> rows[] = { { 1, "0.44/2.50/1" }, { 2, "0.48/2.61/1" },
        { 10, "1.19/4.09/1" }, { 15, "2.85/6.33/1" }, { 16, "3.59/7.11/2" }, { 19, "9.02/11.27/2" },
        { 20, "13.91/14.00/2" }, { 21, "//" } };
    for (const auto& [row, expected] : rows)
        EXPECT_EQ(t.row(row), expected) << row;
}

TEST(DefaultWaves, TheoryFollowsTheUnroundedHeight)
{
    // At steepness 22, 6.501707 s gives a height of exactly 3.0 in single
    // precision and 6.4974 s one of about 2.996; both show as 3.00.
    Table exact, below;
    ASSERT_TRUE(exact.generate(6.501707f, 10, 2).has_value());
    ASSERT_TRUE(below.generate(6.4974f, 10, 2).has_value());
    EXPECT_EQ(exact.row(1), "3.00/6.50/2");
    EXPECT_EQ(below.row(1), "3.00/6.50/1");
}

TEST(DefaultWaves, MinimumAboveMaximumGivesFallingPeriods)
{
    Table t;
    EXPECT_EQ(t.generate(14, 2.5f, 20), "Frequency increment is -0.1087 Rad/s");
    EXPECT_EQ(t.grid.text(1, 2) + " " + t.grid.text(20, 2), "14.00 2.50");
    for (int row = 2; row <= 20; ++row)
        EXPECT_LT(std::stod(t.grid.text(row, 2)), std::stod(t.grid.text(row - 1, 2))) << row;
}

TEST(DefaultWaves, FewerWavesLeaveTheRowsBelow)
{
    Table t;
    ASSERT_TRUE(t.generate(2.5f, 14, 20).has_value());
    const std::string row11 = t.row(11), row20 = t.row(20);
    ASSERT_TRUE(t.generate(3, 12, 10).has_value());
    EXPECT_EQ(std::tuple(t.noOfWaves, t.grid.text(10, 2), t.row(11), t.row(20)),
        std::tuple(10, "12.00", row11, row20));
}

TEST(DefaultWavesDialog, KeyFilters)
{
    // Key, what RealIn and IntIn make of it.
    const int cases[][3] = { { '0', '0', '0' }, { '9', '9', '9' }, { 'e', 'E', 0 }, { 'E', 'E', 0 },
        { 8, 8, 8 }, { ',', ',', 0 }, { '-', '-', 0 }, { '.', '.', 0 }, { 3, 3, 0 }, { 24, 24, 0 },
        { 22, 22, 0 }, { 13, 0, 0 }, { '+', 0, 0 }, { ' ', 0, 0 }, { 'x', 0, 0 }, { '/', 0, 0 },
        { ':', 0, 0 } };
    for (const auto& c : cases) {
        EXPECT_EQ(RealIn(c[0]), c[1]) << c[0];
        EXPECT_EQ(IntIn(c[0]), c[2]) << c[0];
    }
}

// The refusals of the dialog's OK are in its offscreen tests.
TEST(DefaultWavesDialog, ValidNumKeepsNumbersAsTyped)
{
    const std::pair<const char*, const char*> cases[] = { { "1E3", "1E3" }, { " 2.50 ", " 2.50 " },
        { "-", "0" }, { "", "0" }, { "1e39", "0" }, { "2,5", "0" } };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(ValidNum(text, '.'), expected) << text;
    EXPECT_EQ(ValidNum("2,5", ','), "2,5");
}

} // namespace
} // namespace quorin
