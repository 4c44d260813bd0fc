#include "wavetable/insertafter.h"

#include "common/numberforms.h"
#include "common/numberreading.h"

#include <cmath>
#include <optional>
#include <set>
#include <string>

namespace quorin {

namespace {

constexpr int kHeight = 1, kPeriod = 2, kTheory = 3;

// The frequency in cycles per second of a row's period, or nothing when the
// Period cell is empty, zero or not a number.
std::optional<float> frequencyOf(const GridModel& grid, int row)
{
    const double period = readLenient(grid.text(row, kPeriod));
    if (period == 0)
        return std::nullopt;
    return toSingle(1 / period);
}

std::string noPeriod(int row)
{
    return "Insert After: row " + std::to_string(row)
        + " has no period to interpolate with (its Period cell is empty, zero or not a number).";
}

// Rows first+1 to last moved one row down; last + 1 was overwritten.
std::set<int> shiftedMarks(const std::set<int>& marks, int first, int last)
{
    std::set<int> out;
    for (const int row : marks) {
        if (row > first && row <= last)
            out.insert(row + 1);
        else if (row != last + 1)
            out.insert(row);
    }
    return out;
}

} // namespace

Result<void> insertAfter(
    GridModel& grid, std::int16_t& noOfWaves, WaveViewState& view, char decimalSymbol)
{
    const int r0 = grid.row();
    const int waves = noOfWaves;
    const int lastRow = grid.rows() - 1;
    if (r0 >= waves)
        return fail("Insert After: row " + std::to_string(r0)
            + " is not followed by another wave (the table holds " + std::to_string(waves)
            + " waves); choose a row with a wave after it.");
    if (waves + 1 > lastRow)
        return fail("Insert After: the table already holds " + std::to_string(waves)
            + " waves; the last one would move past row " + std::to_string(lastRow) + ".");

    const auto fa = frequencyOf(grid, r0);
    if (!fa)
        return fail(noPeriod(r0));
    const auto fb = frequencyOf(grid, r0 + 1);
    if (!fb)
        return fail(noPeriod(r0 + 1));

    // The mean frequency, then a wave of steepness 1 in 18 on the deep-water
    // wavelength 1.56131 T squared.
    const float fm = *fa - (*fa - *fb) / 2;
    const float period = 1 / fm;
    const float height = toSingle(std::pow(period, 2) * (1.56131 / 18));
    if (!std::isfinite(period) || !std::isfinite(height))
        return fail("Insert After: the periods of rows " + std::to_string(r0) + " and "
            + std::to_string(r0 + 1) + " give no wave between them.");

    for (int i = waves; i > r0; --i)
        for (int c = kHeight; c <= kTheory; ++c)
            grid.setText(i + 1, c, grid.text(i, c));
    grid.setText(r0 + 1, kHeight, formatNumber(height, "#0.00", decimalSymbol));
    grid.setText(r0 + 1, kPeriod, formatNumber(period, "0.00", decimalSymbol));
    grid.setText(r0 + 1, kTheory, grid.text(r0, kTheory));
    ++noOfWaves;

    view.interpolatedRows = shiftedMarks(view.interpolatedRows, r0, waves);
    view.interpolatedRows.insert(r0 + 1);
    return {};
}

} // namespace quorin
