#pragma once

#include "run/runsetup.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace quorin::writers {

// A whole number in plain form: its digits, "-" before them when negative.
std::string whole(long long value);
// The text without the spaces before and after it.
std::string trimmed(std::string_view text);

// One wave in one direction.
struct WaveSlot {
    int direction = 0; // d, from 1
    int wave = 0; // w, from 1 within the direction
    int number = 0; // the wave number n = (d - 1) * NoOfWaves + w
};

// Visits every wave of every direction in file order: all waves of direction
// 1, then those of direction 2, and so on.
void forEachWave(const RunSetup& setup, const std::function<void(const WaveSlot&)>& visit);

// The wave number of the last wave, NoOfWaves * DirectionCount.
int lastWaveNumber(const RunSetup& setup);

// "Critical Damping %" read leniently, divided by 100, in text form.
std::string dampingRatioOf(const RunSetup& setup, char decimalSymbol);

} // namespace quorin::writers
