#pragma once

#include "common/result.h"
#include "scatter/gridedit.h"

namespace quorin {

// Open's reads of the direction's file (named by scatterFileName, kept in
// ScatterFileName). A missing file is told as "Scatter Diagram not Found",
// any later failure as "Error in data file"; both return a Failure with an
// empty message (already told) naming the file. After an error what was read
// or changed so far stays (boxes, store elements, the partial ScatterTotal
// or CyclesPerYear) and the grid is not refreshed.

// Sets ScatterTotal to 0, reads the boxes, headings and the 450 cells,
// totals them, computes CyclesPerYear and shows the diagram.
Result<void> ReadScatter(GridEdit& store, const ScatterContext& context);

// Reads the boxes and headings again and turns every non-zero cell of the
// store into the wave length of its period over the height of its row, then
// shows that view.
Result<void> ReadSteepness(GridEdit& store, const ScatterContext& context);

} // namespace quorin
