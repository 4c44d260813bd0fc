#include "wavetable/wavechart.h"
#include "wavetable/wavefacts.h"
#include "wavetable/wavetablefixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <iomanip>
#include <sstream>
#include <string>

namespace quorin {
namespace {

using test::waveTable;

// The frequency, shown to three places, is in the line's test.
TEST(WaveFacts, WavelengthAndSteepnessOfAWave)
{
    // Height and period, then wavelength, steepness (0: none) and breaking.
    const std::tuple<double, double, double, double, bool> cases[] = {
        { 1, 10, 156.131, 156.131, false },
        { 3, 3, 14.05179, 14.05179 / 3, true },
        { 2.00735, 3, 14.05179, 14.05179 / 2.00735, false }, // just below 1 in 7
        { 0, 5, 39.03275, 0, false },
    };
    for (const auto& [height, period, length, steepness, breaking] : cases) {
        const auto facts = waveFacts(height, period);
        ASSERT_TRUE(facts) << period;
        EXPECT_NEAR(facts->wavelength, length, 1e-9) << period;
        EXPECT_NEAR(facts->steepness.value_or(0), steepness, 1e-9) << period;
        EXPECT_EQ(facts->breaking(), breaking) << height;
    }
    EXPECT_FALSE(waveFacts(1, 0) || waveFacts(1, -2));
}

TEST(WaveFacts, LineOfTheCurrentRow)
{
    const GridModel waves = waveTable("1\t10\t1\r3\t3\t2\r2\tx\t1\r\t5\t1");
    const std::tuple<int, int, char, const char*> cases[] = {
        { 1, 4, '.', "Wave 1: 0.628 rad/s, wavelength 156.13 m, steepness 1 in 156.1" },
        { 1, 4, ',', "Wave 1: 0,628 rad/s, wavelength 156,13 m, steepness 1 in 156,1" },
        { 2, 4, '.',
            "Wave 2: 2.094 rad/s, wavelength 14.05 m, steepness 1 in 4.7 \u2014 steeper than 1 "
            "in 7: this wave would break" },
        { 3, 4, '.', "Wave 3: no period above 0" },
        { 4, 4, '.', "Wave 4: 1.257 rad/s, wavelength 39.03 m, no height above 0" },
        { 5, 4, '.', "Row 5 is not a wave row: the waves are rows 1 to 4" },
        { 1, 0, '.', "Row 1 is not a wave row: the table holds no waves" },
    };
    for (const auto& [row, noOfWaves, decimal, line] : cases)
        EXPECT_EQ(waveFactsLine(waves, row, noOfWaves, decimal), line) << row;
}

TEST(WaveChart, WavesOfRowsOneToNoOfWavesMarkedByTheory)
{
    // Theory 1 is linear, anything else Stokes fifth order; rows without a
    // period or a height above 0 are left out and counted; row 6 is beyond NoOfWaves.
    const GridModel waves = waveTable("1\t5\t1\r4\t8\t2\r\t6\t1\r2\t7\t\r1.5\t0\t1\r9\t20\t1");
    const WaveChart chart = waveChart(waves, 5, 22);
    std::ostringstream drawn; // row: period, height, L(inear) or S(tokes)
    drawn << std::setprecision(17);
    for (const ChartWave& wave : chart.waves)
        drawn << wave.row << ": " << wave.point.period << ", " << wave.point.height << ", "
              << (wave.stokes ? "S " : "L ");
    EXPECT_EQ(drawn.str(), "1: 5, 1, L 2: 8, 4, S 4: 7, 2, S ");
    EXPECT_EQ(chart.skipped, 2);
    EXPECT_EQ(waveRowAt(chart, { 7, 2 }), 4);
    EXPECT_FALSE(waveRowAt(chart, { 7, 3 }));
    EXPECT_EQ(chartSummary(chart),
        "3 waves: 1 linear, 2 Stokes fifth order; 0 steeper than 1 in 7; 2 wave rows without a "
        "period or a height above 0 are not drawn");
}

TEST(WaveChart, AxesHoldTheWavesAndTheTheoryHeightInRoundSteps)
{
    // The axes end at 1, 2, 2.5 or 5 times a power of ten beyond a tenth
    // more than the largest wave, never below the 3 m of the theory change.
    const std::tuple<const char*, const char*, double, double, double, double> cases[] = {
        { "1", "8", 10, 5, 2, 1 },
        { "13.91", "14", 20, 20, 5, 5 },
        { "35", "22", 25, 50, 5, 10 },
        { "0.5", "2.5", 5, 5, 1, 1 },
    };
    for (const auto& [height, period, periodEnd, heightEnd, periodStep, heightStep] : cases) {
        const WaveChart c
            = waveChart(waveTable(std::string(height) + "\t" + period + "\t1"), 1, 22);
        EXPECT_EQ(std::tuple(c.periodEnd, c.heightEnd, c.periodStep, c.heightStep),
            std::tuple(periodEnd, heightEnd, periodStep, heightStep))
            << height << " " << period;
    }
    const WaveChart empty = waveChart(waveTable(""), 0, 22);
    EXPECT_EQ(std::pair(empty.periodEnd, empty.heightEnd), std::pair(20.0, 5.0));
}

TEST(WaveChart, SteepnessCurvesRunFromTheOriginToWhereTheyLeaveTheChart)
{
    const GridModel waves = waveTable("1\t8\t1"); // axes to 10 s and 5 m
    const std::tuple<double, double, double> cases[] = {
        { 22, std::sqrt(5 * 22 / 1.56131), 5 }, // leaves through the top
        { 100, 10, 1.56131 * 100 / 100 }, // leaves through the right
    };
    for (const auto& [n, lastPeriod, lastHeight] : cases) {
        const WaveChart chart = waveChart(waves, 1, n);
        ASSERT_FALSE(chart.steepnessCurve.empty());
        EXPECT_EQ(chart.steepnessCurve.front(), (ChartPoint { 0, 0 }));
        EXPECT_NEAR(chart.steepnessCurve.back().period, lastPeriod, 1e-9) << n;
        EXPECT_NEAR(chart.steepnessCurve.back().height, lastHeight, 1e-9) << n;
        for (const ChartPoint& p : chart.steepnessCurve)
            EXPECT_NEAR(p.height * n, 1.56131 * p.period * p.period, 1e-9);
        EXPECT_NEAR(chart.breakingCurve.back().height, 5, 1e-9);
    }
    EXPECT_TRUE(waveChart(waves, 1, 0).steepnessCurve.empty());
}

} // namespace
} // namespace quorin
