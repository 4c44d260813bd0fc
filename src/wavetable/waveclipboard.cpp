#include "wavetable/waveclipboard.h"

#include "common/gridclipboard.h"

namespace quorin {

void cutWaves(GridModel& grid, Clipboard& clipboard)
{
    cutRange(grid, clipboard);
    stripLeadingCharacters(grid);
}

void copyWaves(GridModel& grid, Clipboard& clipboard)
{
    copyRange(grid, clipboard);
    stripLeadingCharacters(grid);
}

void pasteWaves(GridModel& grid, const Clipboard& clipboard)
{
    pasteRange(grid, clipboard);
    stripLeadingCharacters(grid);
}

} // namespace quorin
