// Range text pasted into a grid (the clipboard of both grids).
#include "common/gridmodel.h"
#include "fuzzsupport.h"

#include <algorithm>

using namespace quorin;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 4)
        return 0;
    const int rows = 2 + data[0] % 8, cols = 2 + data[1] % 8;
    GridModel grid(rows, cols);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c)
            grid.setText(r, c, "x");
    grid.setCurrent(1 + data[2] % 8, 1 + data[3] % 8);
    grid.setSelectionEnd(1 + data[2] / 8 % 8, 1 + data[3] / 8 % 8);
    const std::string text = fuzz::textOf(data + 4, size - 4);

    // A paste never writes outside the selected range.
    grid.setRangeText(text);
    const int top = std::min(grid.row(), grid.selEndRow()),
              bottom = std::max(grid.row(), grid.selEndRow());
    const int left = std::min(grid.col(), grid.selEndCol()),
              right = std::max(grid.col(), grid.selEndCol());
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c)
            if (r < top || r > bottom || c < left || c > right)
                fuzz::require(grid.text(r, c) == "x", "a paste stays in the selected range");

    // The range's text, pasted into another grid's same range, gives the same cells.
    GridModel copy(rows, cols);
    copy.setCurrent(grid.row(), grid.col());
    copy.setSelectionEnd(grid.selEndRow(), grid.selEndCol());
    copy.setRangeText(grid.rangeText());
    for (int r = top; r <= bottom; ++r)
        for (int c = left; c <= right; ++c)
            fuzz::require(copy.text(r, c) == grid.text(r, c), "range text reads back the same");
    return 0;
}
