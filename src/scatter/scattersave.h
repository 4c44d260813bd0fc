#pragma once

#include "common/result.h"
#include "scatter/gridedit.h"

#include <string>

namespace quorin {

// How a save that was not refused ended.
enum class ScatterSaved {
    Written, // the file holds the diagram
    KeptExisting, // "Overwrite existing data" was answered No; the file is untouched
};

// Save. Refuses, with a critical-stop message naming the box or cell and
// before anything changes, a "Diagram Scaling Factor" or "Period (Yrs)" text
// holding a comma, a double quote or a line end and a cell whose value is beyond the
// single-precision range. Then copies the cells' values into the store, asks
// "Overwrite existing data" when the direction's file exists, and writes the
// six lines beside the file before putting them in its place,
// recomputing ScatterTotal on the way. A file that cannot be written is told
// by a critical-stop message naming the file and the reason; the old file
// stays whole and no temporary file is left. Every failure has been told: its
// message is empty, and it names the file or the refused control.
Result<ScatterSaved> SaveScatter(GridEdit& store, const ScatterContext& context);

} // namespace quorin
