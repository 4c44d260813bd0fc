#pragma once

#include "common/gridmodel.h"
#include "wavetable/waveviewstate.h"

namespace quorin {

// Toggle Freq Rad/s: switches the heading column of rows 1 to noOfWaves
// between the row numbers and each wave's circular frequency in rad/s
// ("0.000"). A row whose period is empty, zero or not a number gets an empty
// heading while frequencies are shown. The Period column never changes, and
// rows below noOfWaves keep their row numbers.
void toggleFrequency(GridModel& grid, int noOfWaves, WaveViewState& view, char decimalSymbol);

} // namespace quorin
