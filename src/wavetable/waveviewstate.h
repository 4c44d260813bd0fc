#pragma once

#include <set>

namespace quorin {

// What the wave table's view remembers besides the cells: whether the heading
// column shows circular frequencies, and which rows hold a wave that Insert
// After interpolated (shown in red for the rest of the run).
struct WaveViewState {
    bool RadPerSecShown = false;
    std::set<int> interpolatedRows;

    bool isInterpolated(int row) const { return interpolatedRows.contains(row); }
};

} // namespace quorin
