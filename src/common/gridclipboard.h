#pragma once

#include "common/clipboard.h"
#include "common/gridmodel.h"

namespace quorin {

// Range clipboard commands shared by the wave table and the scatter diagram
// editor. They work on the selected range (current cell to selection end);
// the in-cell editor's text is the view's to update.

// Clears the clipboard and puts the selected range's text on it.
void copyRange(const GridModel& grid, Clipboard& clipboard);

// Copies the selected range, then empties it with ClearSelection.
void cutRange(GridModel& grid, Clipboard& clipboard);

// Fills the selected range from the clipboard's text; an empty clipboard
// leaves every cell as it was.
void pasteRange(GridModel& grid, const Clipboard& clipboard);

// Empties the cells from the anchor to the selection end: builds one line of
// TABs per row from the anchor row to the selection end row, each line as
// wide as the anchor column to the selection end column and ended by CR, and
// writes that as the range text. With the anchor on the current cell this
// empties the whole selected range.
void ClearSelection(GridModel& grid);

// Removes one leading character whose code is below "0" (control characters,
// space, "!" to "/") from each non-empty cell, going from the current cell to
// the selection end in ascending rows and columns only: a selection that ends
// above or left of the current cell is left alone. Characters beyond ASCII are
// never removed.
void stripLeadingCharacters(GridModel& grid);

} // namespace quorin
