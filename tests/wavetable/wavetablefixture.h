#pragma once

#include "wavetable/wavegrid.h"

#include <string_view>

namespace quorin::test {

// A fresh wave table holding the rows given as range text (TAB between
// cells, CR between rows) from row 1 down, its current cell row 1's height.
inline GridModel waveTable(std::string_view rows)
{
    GridModel grid(kWaveGridRows, kWaveGridCols);
    GridSetUp(grid);
    grid.setSelectionEnd(kWaveRowCount, 3);
    grid.setRangeText(rows);
    grid.setCurrent(1, 1);
    return grid;
}

} // namespace quorin::test
