#include "common/gridclipboard.h"

#include "support/scripted.h"

#include <gtest/gtest.h>

#include <string>

namespace quorin {
namespace {

// The 3 x 3 data cells, rows joined by "|" and cells by ",".
std::string cells(const GridModel& grid)
{
    std::string out;
    for (int r = 1; r <= 3; ++r)
        for (int c = 1; c <= 3; ++c)
            out += grid.text(r, c) + (c < 3 ? "," : r < 3 ? "|" : "");
    return out;
}

enum class Command { Copy, Cut, Paste, PasteAndStrip, Clear };

TEST(GridClipboard, RangeCommands)
{
    struct Case {
        const char* name;
        Command command;
        int row, col, endRow, endCol, anchorRow, anchorCol;
        const char *clipboardBefore, *clipboardAfter, *cellsAfter;
    } const cases[] = {
        { "copy 2 x 3", Command::Copy, 1, 1, 2, 3, 1, 1, "", "1\t2\t3\r4\t5\t6",
            "1,2,3|4,5,6|7,8,9" },
        { "copy upwards", Command::Copy, 2, 2, 1, 1, 2, 2, "", "1\t2\r4\t5", "1,2,3|4,5,6|7,8,9" },
        { "paste a block into one cell", Command::Paste, 2, 2, 2, 2, 2, 2, "a\tb\rc\td",
            "a\tb\rc\td", "1,2,3|4,a,6|7,8,9" },
        { "paste nothing", Command::Paste, 1, 1, 3, 3, 1, 1, "", "", "1,2,3|4,5,6|7,8,9" },
        { "paste CR LF lines", Command::PasteAndStrip, 1, 1, 2, 2, 1, 1, "1.5\t10\r\n2.0\t12\r\n",
            "1.5\t10\r\n2.0\t12\r\n", "1.5,10,3|2.0,12,6|7,8,9" },
        { "cut dragged up from the anchor", Command::Cut, 3, 2, 1, 3, 3, 2, "", "2\t3\r5\t6\r8\t9",
            "1,,|4,,|7,," },
        // The anchor decides the block: on the selection end it is one line
        // of one TAB, whose CR leaves an empty line for the next row.
        { "clear from an anchor on the end", Command::Clear, 1, 1, 2, 2, 2, 2, "", "",
            ",,3|,5,6|7,8,9" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        GridModel grid(4, 4);
        for (int i = 0; i < 9; ++i)
            grid.setText(1 + i / 3, 1 + i % 3, std::to_string(i + 1));
        grid.setCurrent(c.row, c.col);
        grid.setSelectionEnd(c.endRow, c.endCol);
        grid.setAnchor(c.anchorRow, c.anchorCol);
        test::MemoryClipboard clipboard;
        clipboard.setText(c.clipboardBefore);
        switch (c.command) {
        case Command::Copy:
            copyRange(grid, clipboard);
            break;
        case Command::Cut:
            cutRange(grid, clipboard);
            break;
        case Command::Paste:
            pasteRange(grid, clipboard);
            break;
        case Command::PasteAndStrip:
            pasteRange(grid, clipboard);
            stripLeadingCharacters(grid);
            break;
        case Command::Clear:
            ClearSelection(grid);
            break;
        }
        EXPECT_EQ(clipboard.text(), c.clipboardAfter);
        EXPECT_EQ(cells(grid), c.cellsAfter);
    }
}

TEST(GridClipboard, StripRemovesOneLeadingCharacterBelowZeroFromCurrentToEnd)
{
    struct Case {
        int row, col, endRow, endCol;
        const char* cellsAfter;
    } const cases[] = {
        { 1, 1, 3, 3, "1.5,7,5|-2,\n,x|0.5,,\xC3\xA9" },
        { 1, 2, 2, 3, "-1.5,7,5|--2,\n,x|0.5,,\xC3\xA9" },
        { 3, 3, 1, 1, "-1.5, 7,.5|--2,\n\n,/x|0.5,,\xC3\xA9" },
        { 2, 1, 1, 3, "-1.5, 7,.5|--2,\n\n,/x|0.5,,\xC3\xA9" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(
            testing::Message() << c.row << "," << c.col << " to " << c.endRow << "," << c.endCol);
        GridModel grid(4, 4);
        const char* texts[] = { "-1.5", " 7", ".5", "--2", "\n\n", "/x", "0.5", "", "\xC3\xA9" };
        for (int i = 0; i < 9; ++i)
            grid.setText(1 + i / 3, 1 + i % 3, texts[i]);
        grid.setCurrent(c.row, c.col);
        grid.setSelectionEnd(c.endRow, c.endCol);
        stripLeadingCharacters(grid);
        EXPECT_EQ(cells(grid), c.cellsAfter);
    }
}

} // namespace
} // namespace quorin
