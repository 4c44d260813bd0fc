#include "wavetable/wavegrid.h"

#include "common/numberforms.h"

#include <string>

namespace quorin {

void GridSetUp(GridModel& grid)
{
    for (int r = 0; r < grid.rows(); ++r)
        for (int c = 0; c < grid.cols(); ++c)
            grid.setText(r, c, {});
    for (int r = 1; r < grid.rows(); ++r)
        grid.setText(r, 0, plainForm(r, Precision::Double));
    grid.setText(0, 1, "Height");
    grid.setText(0, 2, "Period");
    grid.setText(0, 3, "Theory");
    grid.setCurrent(1, 1);
}

} // namespace quorin
