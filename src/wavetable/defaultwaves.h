#pragma once

#include "common/gridmodel.h"
#include "common/result.h"

#include <cstdint>
#include <string>

namespace quorin {

// The default-wave parameters the Default Waves dialog sets: the periods in
// seconds whose frequencies the first and the last wave get, and how many
// waves to generate (0 when the dialog was cancelled).
struct DefaultWaveParameters {
    float MinPeriod = 0;
    float MaxPeriod = 0;
    std::int16_t NumDefaultWaves = 0;
};

// A box of the Default Waves dialog, for messages: its caption and object name.
struct DefaultWavesBox {
    const char* caption;
    const char* objectName;
};
inline constexpr DefaultWavesBox kMinPeriodBox { "Minimum Period Secs", "txtREAL(0)" };
inline constexpr DefaultWavesBox kSteepnessBox { "Wave Steepness", "txtREAL(1)" };
inline constexpr DefaultWavesBox kMaxPeriodBox { "Maximum Period Secs", "txtREAL(2)" };
inline constexpr DefaultWavesBox kNumberOfWavesBox { "Number of Waves", "txtINTEG(0)" };

// The failure "caption: problem" about one box.
std::unexpected<Failure> refuseDialogBox(const DefaultWavesBox& box, const std::string& problem);

// Refuses what has no waves: a number of waves below 2 or above 100, a
// minimum or maximum period of 0, equal periods, a steepness of 0. The
// message names the dialog box to correct and field its object name.
Result<void> checkDefaultWaves(const DefaultWaveParameters& parameters, float waveSteepness);

// Writes rows 1 to NumDefaultWaves: frequencies equally spaced from
// 1 / MinPeriod to 1 / MaxPeriod, each row's period ("#0.00"), its height at
// the given steepness ("#0.00") and theory 2 from a height of 3.0 up, else 1;
// then sets noOfWaves to NumDefaultWaves. Rows below keep their cells; the
// heading column is not touched. Returns the message to show: the frequency
// increment in rad/s. Refuses, writing nothing, what checkDefaultWaves
// refuses and any run of frequencies that passes through 0.
Result<std::string> DefaultWaves(GridModel& grid, const DefaultWaveParameters& parameters,
    float waveSteepness, std::int16_t& noOfWaves, char decimalSymbol);

} // namespace quorin
