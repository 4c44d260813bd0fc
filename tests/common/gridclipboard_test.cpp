#include "common/gridclipboard.h"

#include "support/scripted.h"

#include <gtest/gtest.h>

#include <string>

namespace quorin {
namespace {

// The cases of Cut, Copy and Paste that the editors' offscreen tests drive
// through their buttons are not repeated here: these are the ones a mouse
// selection does not reach.
TEST(GridClipboard, RangeCommands)
{
    struct Case {
        const char* name;
        void (*command)(GridModel&, test::MemoryClipboard&);
        int row, col, endRow, endCol, anchorRow, anchorCol;
        const char* cellsAfter; // rows by "|", cells by ","
    };
    const auto strip = [](GridModel& g, test::MemoryClipboard&) { stripLeadingCharacters(g); };
    const Case cases[] = {
        { "paste nothing", [](GridModel& g, test::MemoryClipboard& c) { pasteRange(g, c); }, 1, 1,
            3, 3, 1, 1, "-1.5, 7,.5|--2,\n\n,/x|0.5,,\xC3\xA9" },
        // The anchor decides the block: on the selection end it is one line
        // of one TAB, whose CR leaves an empty line for the next row.
        { "clear from an anchor on the end", [](GridModel& g, auto&) { ClearSelection(g); }, 1, 1,
            2, 2, 2, 2, ",,.5|,\n\n,/x|0.5,,\xC3\xA9" },
        // The clean-up takes one leading character below "0" from the
        // current cell to the selection end, when that lies down and right.
        { "strip all", strip, 1, 1, 3, 3, 1, 1, "1.5,7,5|-2,\n,x|0.5,,\xC3\xA9" },
        { "strip from column 2", strip, 1, 2, 2, 3, 1, 2, "-1.5,7,5|--2,\n,x|0.5,,\xC3\xA9" },
        { "strip up and right", strip, 2, 1, 1, 3, 2, 1, "-1.5, 7,.5|--2,\n\n,/x|0.5,,\xC3\xA9" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        GridModel grid(4, 4);
        const char* texts[] = { "-1.5", " 7", ".5", "--2", "\n\n", "/x", "0.5", "", "\xC3\xA9" };
        for (int i = 0; i < 9; ++i)
            grid.setText(1 + i / 3, 1 + i % 3, texts[i]);
        grid.setCurrent(c.row, c.col);
        grid.setSelectionEnd(c.endRow, c.endCol);
        grid.setAnchor(c.anchorRow, c.anchorCol);
        test::MemoryClipboard clipboard;
        c.command(grid, clipboard);
        std::string cells;
        for (int r = 1; r <= 3; ++r)
            for (int col = 1; col <= 3; ++col)
                cells += grid.text(r, col) + (col < 3 ? "," : r < 3 ? "|" : "");
        EXPECT_EQ(cells, c.cellsAfter);
        EXPECT_EQ(clipboard.text(), "");
    }
}

} // namespace
} // namespace quorin
