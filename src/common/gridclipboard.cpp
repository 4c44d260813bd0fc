#include "common/gridclipboard.h"

#include <cstdlib>
#include <string>

namespace quorin {

void copyRange(const GridModel& grid, Clipboard& clipboard)
{
    clipboard.clear();
    clipboard.setText(grid.rangeText());
}

void cutRange(GridModel& grid, Clipboard& clipboard)
{
    copyRange(grid, clipboard);
    ClearSelection(grid);
}

void pasteRange(GridModel& grid, const Clipboard& clipboard)
{
    const std::string text = clipboard.text();
    if (!text.empty())
        grid.setRangeText(text);
}

void ClearSelection(GridModel& grid)
{
    // One line per row and one TAB per column of the block that the anchor
    // spans to the selection end, whichever way it runs.
    const int lines = std::abs(grid.selEndRow() - grid.anchorRow()) + 1;
    const int tabs = std::abs(grid.selEndCol() - grid.anchorCol()) + 1;
    std::string text;
    for (int line = 0; line < lines; ++line) {
        text.append(static_cast<std::size_t>(tabs), '\t');
        text += '\r';
    }
    grid.setRangeText(text);
}

void stripLeadingCharacters(GridModel& grid)
{
    for (int r = grid.row(); r <= grid.selEndRow(); ++r)
        for (int c = grid.col(); c <= grid.selEndCol(); ++c) {
            std::string text = grid.text(r, c);
            if (!text.empty() && static_cast<unsigned char>(text.front()) < '0') {
                text.erase(0, 1);
                grid.setText(r, c, std::move(text));
            }
        }
}

} // namespace quorin
