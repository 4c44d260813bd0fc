#include "scatter/scatterread.h"

#include "common/listinput.h"
#include "common/numberreading.h"
#include "common/textfile.h"

#include <cmath>
#include <optional>
#include <string>
#include <utility>

namespace quorin {

namespace {

constexpr const char* kNotFound = "Scatter Diagram not Found";
constexpr const char* kDataError = "Error in data file";

// The mean period of a band is 0.834 times its band value; deep-water wave
// length is 9.81 / 2 pi times the period squared.
constexpr double kMeanPeriodRatio = 0.834;
constexpr double kWaveLengthFactor = 1.56131;

Result<float> readSingle(ListInput& in)
{
    const auto number = in.readNumber();
    if (!number)
        return fail("the file ends before the last number");
    const auto stored = singleInRange(*number);
    if (!stored)
        return fail("a number is beyond the single-precision range");
    return *stored;
}

// Fields 1 to 3: the spectrum type (not used), the scaling factor and the
// years, each box set as soon as its field is read. Returns the years text.
Result<std::string> readBoxes(ListInput& in, ScatterBoxes& boxes)
{
    if (!in.readText())
        return fail("the file ends before the spectrum type");
    auto scaling = in.readText();
    if (!scaling)
        return fail("the file ends before the scaling factor");
    boxes.scalingFactor = *scaling;
    auto years = in.readText();
    if (!years)
        return fail("the file ends before the period in years");
    boxes.years = *years;
    return *years;
}

Result<void> readHeadings(ListInput& in, GridEdit& store)
{
    for (int r = 1; r < kScatterGridRows; ++r) {
        const auto value = readSingle(in);
        if (!value)
            return std::unexpected(value.error());
        store.Scatter[r][0] = *value;
    }
    for (int c = 1; c < kScatterGridCols; ++c) {
        const auto value = readSingle(in);
        if (!value)
            return std::unexpected(value.error());
        store.Scatter[0][c] = *value;
    }
    return {};
}

Result<void> readCells(ListInput& in, GridEdit& store)
{
    for (int r = 1; r < kScatterGridRows; ++r)
        for (int c = 1; c < kScatterGridCols; ++c) {
            const auto value = readSingle(in);
            if (!value)
                return std::unexpected(value.error());
            store.Scatter[r][c] = *value;
            const float total = store.ScatterTotal + *value;
            if (!std::isfinite(total))
                return fail("the total is beyond the single-precision range");
            store.ScatterTotal = total;
        }
    return {};
}

Result<void> computeCycles(GridEdit& store, float years)
{
    store.CyclesPerYear = 0;
    for (int r = 1; r < kScatterGridRows; ++r)
        for (int c = 1; c < kScatterGridCols; ++c) {
            const float value = store.Scatter[r][c];
            if (!(value > 0))
                continue;
            // Every occurrence counts three hours of waves.
            const float seconds = value * 3.0f * 3600.0f;
            if (!std::isfinite(seconds))
                return fail("the seconds of a cell are beyond the single-precision range");
            const double meanPeriod = kMeanPeriodRatio * store.Scatter[0][c];
            if (meanPeriod == 0 || years == 0)
                return fail("a cell divides by a period of 0");
            const auto cycles = singleInRange(store.CyclesPerYear + seconds / meanPeriod / years);
            if (!cycles)
                return fail("the cycles are beyond the single-precision range");
            store.CyclesPerYear = *cycles;
        }
    return {};
}

Result<void> replaceBySteepness(GridEdit& store)
{
    for (int r = 1; r < kScatterGridRows; ++r)
        for (int c = 1; c < kScatterGridCols; ++c) {
            if (store.Scatter[r][c] == 0)
                continue;
            const double height = store.Scatter[r][0];
            if (height == 0)
                return fail("a cell divides by a height of 0");
            const double period = store.Scatter[0][c];
            const auto ratio = singleInRange(period * period * kWaveLengthFactor / height);
            if (!ratio)
                return fail("a wave length ratio is beyond the single-precision range");
            store.Scatter[r][c] = *ratio;
        }
    return {};
}

Result<void> readOccurrences(GridEdit& store, const ScatterContext& context, ListInput& in)
{
    const auto yearsText = readBoxes(in, context.boxes);
    if (!yearsText)
        return std::unexpected(yearsText.error());
    const auto years = toSingleStrict(*yearsText, context.decimalSymbol);
    if (!years)
        return fail("the period in years is not a number");
    if (auto headings = readHeadings(in, store); !headings)
        return headings;
    if (auto cells = readCells(in, store); !cells)
        return cells;
    return computeCycles(store, *years);
}

Result<void> readSteepness(GridEdit& store, const ScatterContext& context, ListInput& in)
{
    const auto yearsText = readBoxes(in, context.boxes);
    if (!yearsText)
        return std::unexpected(yearsText.error());
    if (!toDoubleStrict(*yearsText, context.decimalSymbol))
        return fail("the period in years is not a number");
    if (auto headings = readHeadings(in, store); !headings)
        return headings;
    return replaceBySteepness(store);
}

// Runs one read over the direction's file after the lookup that tells a
// missing file; any failure from there on is told as "Error in data file".
template <typename Read>
Result<void> readDiagram(GridEdit& store, const ScatterContext& context, Read read)
{
    store.ScatterFileName = scatterFileName(context.modelName, context.boxes.direction);
    if (!fileExists(store.ScatterFileName)) {
        context.prompter.tell(kNotFound);
        return fail("", store.ScatterFileName);
    }
    bool done = false;
    if (auto text = readWholeFile(store.ScatterFileName)) {
        ListInput in(std::move(*text));
        done = read(store, context, in).has_value();
    }
    if (!done) {
        context.prompter.tell(kDataError);
        return fail("", store.ScatterFileName);
    }
    return {};
}

} // namespace

Result<void> ReadScatter(GridEdit& store, const ScatterContext& context)
{
    store.ScatterTotal = 0;
    auto read = readDiagram(store, context, readOccurrences);
    if (read)
        ShowScatter(store, context.grid, context.decimalSymbol);
    return read;
}

Result<void> ReadSteepness(GridEdit& store, const ScatterContext& context)
{
    auto read = readDiagram(store, context, readSteepness);
    if (read)
        ShowSteepness(store, context.grid, context.decimalSymbol);
    return read;
}

} // namespace quorin
