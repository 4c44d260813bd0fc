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
    using Command = void (*)(GridModel&);
    using Cell = std::pair<int, int>;
    const Command strip = [](GridModel& g) { stripLeadingCharacters(g); };
    // The command, the current cell, the selection end and the anchor, then
    // the cells after it: rows by "|", cells by ",".
    const std::tuple<Command, Cell, Cell, Cell, const char*> cases[] = {
        // An empty clipboard pastes nothing.
        { [](GridModel& g) { pasteRange(g, test::MemoryClipboard()); }, { 1, 1 }, { 3, 3 },
            { 1, 1 }, "-1.5, 7,.5|--2,\n\n,/x|0.5,,\xC3\xA9" },
        // The anchor decides the block: on the selection end it is one line
        // of one TAB, whose CR leaves an empty line for the next row.
        { [](GridModel& g) { ClearSelection(g); }, { 1, 1 }, { 2, 2 }, { 2, 2 },
            ",,.5|,\n\n,/x|0.5,,\xC3\xA9" },
        // The clean-up takes one leading character below "0" from the
        // current cell to the selection end, when that lies down and right.
        { strip, { 1, 1 }, { 3, 3 }, { 1, 1 }, "1.5,7,5|-2,\n,x|0.5,,\xC3\xA9" },
        { strip, { 1, 2 }, { 2, 3 }, { 1, 2 }, "-1.5,7,5|--2,\n,x|0.5,,\xC3\xA9" },
    };
    for (const auto& [command, current, end, anchor, after] : cases) {
        SCOPED_TRACE(after);
        GridModel grid(4, 4);
        grid.setSelectionEnd(3, 3);
        grid.setRangeText("-1.5\t 7\t.5\r--2\t\n\n\t/x\r0.5\t\t\xC3\xA9");
        grid.setCurrent(current.first, current.second);
        grid.setSelectionEnd(end.first, end.second);
        grid.setAnchor(anchor.first, anchor.second);
        command(grid);
        std::string cells;
        for (int r = 1; r <= 3; ++r)
            for (int col = 1; col <= 3; ++col)
                cells += grid.text(r, col) + (col < 3 ? "," : r < 3 ? "|" : "");
        EXPECT_EQ(cells, after);
    }
}

} // namespace
} // namespace quorin
