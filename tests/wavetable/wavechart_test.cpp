#include "wavetable/wavechart.h"
#include "wavetable/wavefacts.h"
#include "wavetable/wavetablefixture.h"

#include <gtest/gtest.h>

#include <iomanip>
#include <sstream>
#include <string>

namespace quorin {
namespace {

using test::waveTable;

// Wavelength 1.56131 T squared, steepness its ratio to the height; a wave
// breaks beyond 1 in 7.
TEST(WaveFacts, LineOfTheCurrentRow)
{
    const GridModel waves
        = waveTable("1\t10\t1\r3\t3\t2\r2\t-2\t1\r\t5\t1\r2.00735\t3\t1"); // 5: just below 1 in 7
    const std::tuple<int, int, char, const char*> cases[] = {
        { 1, 5, '.', "Wave 1: 0.628 rad/s, wavelength 156.13 m, steepness 1 in 156.1" },
        { 1, 5, ',', "Wave 1: 0,628 rad/s, wavelength 156,13 m, steepness 1 in 156,1" },
        { 2, 5, '.',
            "Wave 2: 2.094 rad/s, wavelength 14.05 m, steepness 1 in 4.7 \u2014 steeper than 1 "
            "in 7: this wave would break" },
        { 3, 5, '.', "Wave 3: no period above 0" },
        { 4, 5, '.', "Wave 4: 1.257 rad/s, wavelength 39.03 m, no height above 0" },
        { 5, 5, '.', "Wave 5: 2.094 rad/s, wavelength 14.05 m, steepness 1 in 7.0" },
        { 6, 5, '.', "Row 6 is not a wave row: the waves are rows 1 to 5" },
        { 1, 0, '.', "Row 1 is not a wave row: the table holds no waves" },
    };
    for (const auto& [row, noOfWaves, decimal, line] : cases)
        EXPECT_EQ(waveFactsLine(waves, row, noOfWaves, decimal), line) << row;
}

TEST(WaveChart, WavesOfRowsOneToNoOfWavesMarkedByTheoryOnRoundAxes)
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
    EXPECT_EQ(std::pair(waveRowAt(chart, { 7, 2 }), waveRowAt(chart, { 7, 3 })),
        std::pair(std::optional(4), std::optional<int>()));
    // The axes end at 1, 2, 2.5 or 5 times a power of ten beyond a tenth more
    // than the largest wave, about six marks along each.
    EXPECT_EQ(std::tuple(chart.periodEnd, chart.heightEnd, chart.periodStep, chart.heightStep),
        std::tuple(10.0, 5.0, 2.0, 1.0));
    EXPECT_EQ(chartSummary(chart),
        "3 waves: 1 linear, 2 Stokes fifth order; 0 steeper than 1 in 7; 2 wave rows without a "
        "period or a height above 0 are not drawn");
}

} // namespace
} // namespace quorin
