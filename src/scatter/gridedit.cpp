#include "scatter/gridedit.h"

#include "common/numberforms.h"

#include <cmath>
#include <stdexcept>

namespace quorin {

void ScatterSetUp(GridEdit& store, const GridModel& grid)
{
    if (grid.rows() != kScatterGridRows || grid.cols() != kScatterGridCols)
        throw std::invalid_argument("a scatter diagram grid has 26 rows and 19 columns");
    store.NumPeriods = kScatterGridCols - 1;
    store.NumHeights = kScatterGridRows - 1;
    store.HsBand[0] = 12.75f;
    for (int r = 1; r <= store.NumHeights; ++r)
        store.HsBand[r] = store.HsBand[r - 1] - 0.5f;
    store.TpBand[0] = -0.5f;
    for (int c = 1; c <= store.NumPeriods; ++c)
        store.TpBand[c] = store.TpBand[c - 1] + 1.0f;
}

void ShowScatter(const GridEdit& store, GridModel& grid, char decimalSymbol)
{
    for (int r = 0; r < kScatterGridRows; ++r)
        for (int c = 0; c < kScatterGridCols; ++c) {
            const float value = store.Scatter[r][c];
            grid.setText(r, c, value > 0 ? textForm(value, Precision::Single, decimalSymbol) : "");
        }
}

void ShowSteepness(const GridEdit& store, GridModel& grid, char decimalSymbol)
{
    for (int r = 0; r < kScatterGridRows; ++r)
        for (int c = 0; c < kScatterGridCols; ++c) {
            const float value = store.Scatter[r][c];
            grid.setText(r, c, value > 0 ? formatNumber(value, "0", decimalSymbol) : "");
        }
    for (int r = 0; r < kScatterGridRows; ++r)
        grid.setText(r, 0, textForm(store.Scatter[r][0], Precision::Single, decimalSymbol));
    for (int c = 0; c < kScatterGridCols; ++c)
        grid.setText(0, c, textForm(store.Scatter[0][c], Precision::Single, decimalSymbol));
}

std::string scatterFileName(const std::string& modelName, const std::string& direction)
{
    const std::size_t first = direction.find_first_not_of(' ');
    const std::string trimmed = first == std::string::npos
        ? std::string()
        : direction.substr(first, direction.find_last_not_of(' ') - first + 1);
    return modelName + ".DBS" + trimmed;
}

std::optional<float> singleInRange(double value)
{
    // FLT_MAX plus half its unit in the last place: from here on a value rounds to infinity.
    const double limit = std::ldexp(1.0, 128) - std::ldexp(1.0, 103);
    if (!(std::fabs(value) < limit))
        return std::nullopt;
    return static_cast<float>(value);
}

} // namespace quorin
