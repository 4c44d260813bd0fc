#include "scatter/scattereditor.h"

#include "common/gridclipboard.h"
#include "common/numberforms.h"
#include "common/numberreading.h"
#include "scatter/scatterread.h"

namespace quorin {

namespace {

constexpr double kLowestDirection = 1;
constexpr double kHighestDirection = 12;

} // namespace

void loadScatterGrid(GridEdit& store, GridModel& grid, char decimalSymbol)
{
    ScatterSetUp(store, grid);
    for (int r = 0; r < grid.rows(); ++r)
        for (int c = 0; c < grid.cols(); ++c)
            grid.setText(r, c, "");
    for (int r = 1; r <= store.NumHeights; ++r)
        grid.setText(r, 0, textForm(store.HsBand[r], Precision::Single, decimalSymbol));
    for (int c = 1; c <= store.NumPeriods; ++c)
        grid.setText(0, c, textForm(store.TpBand[c], Precision::Single, decimalSymbol));
}

ScatterOpened openScatter(GridEdit& store, const ScatterContext& context, bool steepness)
{
    Result<void> read = ReadScatter(store, context);
    if (steepness) {
        Result<void> steep = ReadSteepness(store, context);
        if (read && !steep)
            read = steep;
    }
    return { read, totalsLine(store, context.decimalSymbol) };
}

std::string totalsLine(const GridEdit& store, char decimalSymbol)
{
    return "Total :" + textForm(store.ScatterTotal, Precision::Single, decimalSymbol) + "  ("
        + textForm(store.CyclesPerYear, Precision::Single, decimalSymbol) + ")";
}

std::string stepDirectionDown(const std::string& text, char decimalSymbol)
{
    const double value = readLenient(text);
    return value > kLowestDirection ? textForm(value - 1, Precision::Double, decimalSymbol) : text;
}

std::string stepDirectionUp(const std::string& text, char decimalSymbol)
{
    const double value = readLenient(text);
    return value < kHighestDirection ? textForm(value + 1, Precision::Double, decimalSymbol) : text;
}

void pasteScatter(GridModel& grid, const std::string& text)
{
    if (!text.empty())
        grid.setRangeText(text);
    stripLeadingCharacters(grid);
}

std::string gridText(const GridModel& grid)
{
    std::string text;
    for (int r = 0; r < grid.rows(); ++r) {
        for (int c = 0; c < grid.cols(); ++c) {
            if (c > 0)
                text += '\t';
            text += grid.text(r, c);
        }
        text += '\n';
    }
    return text;
}

} // namespace quorin
