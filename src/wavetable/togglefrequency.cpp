#include "wavetable/togglefrequency.h"

#include "common/numberforms.h"
#include "common/numberreading.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace quorin {

namespace {

std::string circularFrequency(const std::string& periodText, char decimalSymbol)
{
    const double period = readLenient(periodText);
    if (period == 0)
        return {};
    const float f = toSingle(1 / period);
    const double w = 2 * 3.14159 * f;
    if (!std::isfinite(w))
        return {};
    return formatNumber(w, "0.000", decimalSymbol);
}

} // namespace

void toggleFrequency(GridModel& grid, int noOfWaves, WaveViewState& view, char decimalSymbol)
{
    const int last = std::min(noOfWaves, grid.rows() - 1);
    for (int i = 1; i <= last; ++i)
        grid.setText(i, 0,
            view.RadPerSecShown ? std::to_string(i)
                                : circularFrequency(grid.text(i, 2), decimalSymbol));
    view.RadPerSecShown = !view.RadPerSecShown;
}

} // namespace quorin
