#pragma once

#include "common/gridmodel.h"
#include "common/result.h"
#include "wavetable/waveviewstate.h"

#include <cstdint>

namespace quorin {

// Insert After on the wave table: moves the waves below the current row one
// row down, counts one more wave in noOfWaves, and fills the opened row with
// the wave midway in frequency between its neighbours, at a steepness of 1 in
// 18 and with the theory of the wave above. The new row is marked as
// interpolated; marks of the rows moved down move with them.
//
// Refuses, changing nothing, when the current row is not followed by another
// wave row, when a wave would move past row 100, when either neighbour's
// period is empty, zero or not a number, or when the two periods give no
// finite wave between them.
Result<void> insertAfter(
    GridModel& grid, std::int16_t& noOfWaves, WaveViewState& view, char decimalSymbol);

} // namespace quorin
