#include "scatter/scattershares.h"

#include "common/numberforms.h"
#include "common/numberreading.h"

#include <algorithm>

namespace quorin {

ScatterShares scatterShares(const GridModel& grid)
{
    ScatterShares shares;
    for (int r = 1; r < kScatterGridRows; ++r)
        for (int c = 1; c < kScatterGridCols; ++c) {
            const std::string& text = grid.text(r, c);
            const double value = text.empty() ? 0 : readLenient(text);
            shares.cells[r][c] = value;
            shares.rowTotals[r] += value;
            shares.columnTotals[c] += value;
            shares.total += value;
            shares.largest = std::max(shares.largest, value);
        }
    return shares;
}

std::string shownTotal(double value, double total, ShareUnit unit, char decimalSymbol)
{
    if (value == 0)
        return {};
    if (unit == ShareUnit::Occurrences)
        return textForm(value, Precision::Double, decimalSymbol);
    if (!(total > 0))
        return {};
    return formatNumber(1000 * value / total, "0.0", decimalSymbol);
}

std::string shareNote(double value, double total, char decimalSymbol)
{
    std::string note = textForm(value, Precision::Double, decimalSymbol) + " occurrences";
    if (total > 0)
        note += ", " + formatNumber(1000 * value / total, "0.0", decimalSymbol)
            + " \u2030 of the diagram total";
    return note;
}

} // namespace quorin
