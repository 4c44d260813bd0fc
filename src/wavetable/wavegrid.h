#pragma once

#include "common/gridmodel.h"

namespace quorin {

// The transfer-function wave table: heading row, 100 wave rows; heading
// column, then Height, Period and Theory.
inline constexpr int kWaveGridRows = 101;
inline constexpr int kWaveGridCols = 4;
inline constexpr int kWaveRowCount = 100;

// Lays the table out empty: row numbers 1 to 100 in the heading column,
// "Height", "Period", "Theory" in the heading row, the corner empty, every
// data cell empty and the current cell at (1, 1).
void GridSetUp(GridModel& grid);

} // namespace quorin
