#include "wavetable/defaultwaves.h"
#include "wavetable/wavegrid.h"

#include <gtest/gtest.h>

#include <string>

namespace quorin {
namespace {

struct Table {
    GridModel grid { kWaveGridRows, kWaveGridCols };
    std::int16_t noOfWaves = 7;
    Table() { GridSetUp(grid); }

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
    EXPECT_EQ(t.grid.text(1, 2), "14.00");
    EXPECT_EQ(t.grid.text(20, 2), "2.50");
    for (int row = 2; row <= 20; ++row)
        EXPECT_LT(std::stod(t.grid.text(row, 2)), std::stod(t.grid.text(row - 1, 2))) << row;
}

TEST(DefaultWaves, FewerWavesLeaveTheRowsBelow)
{
    Table t;
    ASSERT_TRUE(t.generate(2.5f, 14, 20).has_value());
    const std::string row11 = t.row(11), row20 = t.row(20);
    ASSERT_TRUE(t.generate(3, 12, 10).has_value());
    EXPECT_EQ(t.noOfWaves, 10);
    EXPECT_EQ(t.grid.text(10, 2), "12.00");
    EXPECT_EQ(t.row(11), row11);
    EXPECT_EQ(t.row(20), row20);
}

TEST(DefaultWaves, RefusalsWriteNothing)
{
    struct Case {
        float minPeriod, maxPeriod;
        int count;
        float steepness;
        const char *message, *field;
    } const cases[] = {
        { -2, 2, 3, 22, "Generate Default Waves: a frequency of 0 has no period", "" },
        { 2.5f, 14, 1, 22, "Number of Waves: at least 2 waves", "txtINTEG(0)" },
        { 2.5f, 14, 101, 22, "Number of Waves: at most 100 waves", "txtINTEG(0)" },
        { 0, 14, 20, 22, "Minimum Period Secs: a period of 0", "txtREAL(0)" },
        { 2.5f, 0, 20, 22, "Maximum Period Secs: a period of 0", "txtREAL(2)" },
        { 5, 5, 20, 22, "Maximum Period Secs: equals the minimum", "txtREAL(2)" },
        { 2.5f, 14, 20, 0, "Wave Steepness: a steepness of 0", "txtREAL(1)" },
        { 1e-39f, 14, 20, 22, "Generate Default Waves: these periods", "" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        Table t;
        const auto result = t.generate(c.minPeriod, c.maxPeriod, c.count, c.steepness);
        ASSERT_FALSE(result.has_value());
        EXPECT_TRUE(result.error().message.starts_with(c.message)) << result.error().message;
        EXPECT_EQ(result.error().field, c.field);
        EXPECT_EQ(t.row(1), "//");
        EXPECT_EQ(t.noOfWaves, 7);
    }
}

} // namespace
} // namespace quorin
