#pragma once

#include "common/clipboard.h"
#include "common/gridmodel.h"

namespace quorin {

// The wave table's Cut, Copy and Paste: the shared range commands, each
// followed by the leading-character clean-up from the current cell to the
// selection end (so Copy, too, drops a leading sign, space or point).
void cutWaves(GridModel& grid, Clipboard& clipboard);
void copyWaves(GridModel& grid, Clipboard& clipboard);
void pasteWaves(GridModel& grid, const Clipboard& clipboard);

} // namespace quorin
