#pragma once

#include "common/result.h"
#include "wavetable/defaultwaves.h"

#include <string>
#include <string_view>

namespace quorin {

// Key filter of the dialog's real-number boxes: "e" becomes "E"; E,
// backspace, comma, minus, full stop, the digits and Ctrl+C, Ctrl+X, Ctrl+V
// pass; any other key code becomes 0 (discarded).
int RealIn(int keyCode);

// Key filter of the number-of-waves box: backspace and the digits pass; any
// other key code becomes 0.
int IntIn(int keyCode);

// A real box's text as it stays when the box loses the focus: unchanged when
// it converts to single precision in the user's number format, else "0".
std::string ValidNum(std::string_view text, char decimalSymbol);

// The texts of the dialog's four boxes, as typed (or as given on the command
// line).
struct DefaultWaveTexts {
    std::string numberOfWaves;
    std::string minPeriod;
    std::string maxPeriod;
    std::string steepness;
};

// What the dialog's OK stores: the default-wave parameters and the steepness.
struct DefaultWaveRequest {
    DefaultWaveParameters parameters;
    float WaveSteepness = 0;
};

// Reads the four box texts into a request that DefaultWaves accepts, or
// refuses, naming the box: a number of waves that is empty or anything but
// digits with spaces around them, a real text that does not convert to single
// precision, and whatever DefaultWaves refuses (checkDefaultWaves, a run of
// frequencies through 0).
Result<DefaultWaveRequest> readDefaultWaveTexts(const DefaultWaveTexts& texts, char decimalSymbol);

} // namespace quorin
