#pragma once

#include "common/gridmodel.h"

#include <optional>
#include <string>

namespace quorin {

// 1.56131 T squared: the deep-water wavelength in metres of a period T in
// seconds (g / (2 pi) for g = 9.81 m/s squared).
inline constexpr double kWavelengthPerSecondSquared = 1.56131;
// Waves steeper than 1 in 7 break.
inline constexpr double kBreakingSteepness = 7;

// A wave row as Create reads it: the leading numbers of its cells.
struct WaveRow {
    double height = 0;
    double period = 0;
    double theory = 0;
};
WaveRow readWaveRow(const GridModel& waves, int row);

// The deep-water wavelength of a period, in metres.
double deepWaterWavelength(double period);

// What the wave table shows of its current row beside the cells.
struct WaveFacts {
    double circularFrequency; // rad/s, as Toggle Freq Rad/s gives it
    double wavelength; // m, deep water
    std::optional<double> steepness; // N of "1 in N"; none without a height above 0
    bool breaking() const { return steepness && *steepness < kBreakingSteepness; }
};
// None when the period is not above 0 or the numbers are out of range.
std::optional<WaveFacts> waveFacts(double height, double period);

// The facts line of a row: "Wave 3: 1.047 rad/s, wavelength 56.21 m, steepness
// 1 in 18.7", with a warning when it is steeper than 1 in 7; or why a row
// has none (not a wave row, no period).
std::string waveFactsLine(const GridModel& waves, int row, int noOfWaves, char decimalSymbol);

} // namespace quorin
