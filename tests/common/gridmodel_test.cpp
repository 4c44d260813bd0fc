#include "common/gridmodel.h"

#include <gtest/gtest.h>

#include <string>

namespace quorin {
namespace {

// 3 x 4 data cells holding "r.c", with (top, left) to (bottom, right) selected.
GridModel selectedGrid(int top, int left, int bottom, int right)
{
    GridModel grid(4, 5);
    for (int r = 1; r < 4; ++r)
        for (int c = 1; c < 5; ++c)
            grid.setText(r, c, std::to_string(r) + "." + std::to_string(c));
    grid.setCurrent(top, left);
    grid.setSelectionEnd(bottom, right);
    return grid;
}

TEST(GridRangeText, Copy)
{
    GridModel grid(3, 4);
    for (int i = 0; i < 6; ++i)
        grid.setText(1 + i / 3, 1 + i % 3, std::to_string(i + 1));
    grid.setCurrent(2, 3);
    grid.setSelectionEnd(1, 1);
    EXPECT_EQ(grid.rangeText(), "1\t2\t3\r4\t5\t6");
    grid.setCurrent(2, 2);
    EXPECT_EQ(grid.rangeText(), "5");
}

TEST(GridRangeText, PasteOfALargerBlockIntoOneCell)
{
    GridModel grid = selectedGrid(2, 2, 2, 2);
    grid.setRangeText("a\tb\tc\rd\te\tf");
    grid.setCurrent(1, 1);
    grid.setSelectionEnd(3, 4);
    EXPECT_EQ(grid.rangeText(), "1.1\t1.2\t1.3\t1.4\r2.1\ta\t2.3\t2.4\r3.1\t3.2\t3.3\t3.4");
}

TEST(GridRangeText, CellsWithoutAPartKeepTheirText)
{
    GridModel grid = selectedGrid(3, 4, 1, 2);
    grid.setRangeText("a\t\tc\rd");
    EXPECT_EQ(grid.rangeText(), "a\t\tc\rd\t2.3\t2.4\r3.2\t3.3\t3.4");
    EXPECT_EQ(grid.text(1, 1), "1.1");
}

TEST(GridRangeText, LineFeedStaysInTheCellText)
{
    GridModel grid = selectedGrid(1, 1, 3, 1);
    grid.setRangeText("x\r\ny\r\n");
    EXPECT_EQ(grid.rangeText(), "x\r\ny\r\n");
    EXPECT_EQ(grid.text(2, 1), "\ny");
}

} // namespace
} // namespace quorin
