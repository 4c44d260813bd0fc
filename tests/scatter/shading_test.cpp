#include "scatter/scattershares.h"
#include "scatter/sharescale.h"

#include <gtest/gtest.h>

#include <string>

namespace quorin {
namespace {

struct Body {
    GridModel grid { kScatterGridRows, kScatterGridCols };
    Body(std::initializer_list<std::tuple<int, int, const char*>> cells)
    {
        for (const auto& [row, col, text] : cells)
            grid.setText(row, col, text);
    }
};

// Cells add up by row and column, "2,5" read as 2 and "abc" as 0 as Save
// stores them; headings never count. Only occupied cells are shaded, by their
// share of the largest.
TEST(ScatterShares, CellsAddUpByRowAndColumnAndTheOccupiedOnesAreShaded)
{
    EXPECT_TRUE(cellShades(scatterShares(Body {}.grid)).empty());
    Body body { { 0, 1, "0.5" }, { 1, 0, "12.25" }, { 1, 1, "10" }, { 1, 18, "2,5" },
        { 25, 1, "7.5" }, { 25, 18, "abc" }, { 3, 4, "-1" }, { 6, 7, "0" } };
    const ScatterShares s = scatterShares(body.grid);
    EXPECT_EQ(std::tuple(s.rowTotals[1], s.rowTotals[25], s.rowTotals[3], s.columnTotals[1],
                  s.columnTotals[18], s.columnTotals[4], s.total, s.largest),
        std::tuple(12, 7.5, -1, 17.5, 2, -1, 18.5, 10));
    using Shade = std::tuple<int, int, Rgb, bool>;
    std::vector<Shade> shades;
    for (const CellShade& shade : cellShades(s))
        shades.emplace_back(shade.row, shade.col, shade.colour, shade.lightText);
    EXPECT_EQ(shades,
        (std::vector<Shade> { { 1, 1, scaleColour(1), true }, { 1, 18, scaleColour(0.2), false },
            { 25, 1, scaleColour(0.75), wantsLightText(scaleColour(0.75)) } }));
}

TEST(ScatterShares, TotalsShowInTheChosenUnit)
{
    // A value of a total, shown in a unit.
    const std::tuple<double, double, ShareUnit, char, const char*> cases[] = {
        { 12.5, 100, ShareUnit::Occurrences, ',', "12,5" },
        { 0.1 + 0.2, 1, ShareUnit::Occurrences, '.', "0.3" },
        { 1, 3, ShareUnit::PerThousand, ',', "333,3" },
        { 5, 0, ShareUnit::PerThousand, '.', "" },
    };
    for (const auto& [value, total, unit, decimal, shown] : cases)
        EXPECT_EQ(shownTotal(value, total, unit, decimal), shown) << value << " of " << total;
}

// A share of the largest: its shade, and whether text on it is light.
TEST(ShareScale, RunsFromLightYellowToDarkVioletWithLightTextOnTheDarkShades)
{
    const std::tuple<double, Rgb, bool> cases[] = {
        { 0, { 0xfd, 0xe7, 0x25 }, false },
        { 0.05, { 220, 227, 38 }, false }, // halfway between the last two steps
        { 0.5, { 0x21, 0x90, 0x8c }, false },
        { 1, { 0x44, 0x01, 0x54 }, true },
    };
    for (const auto& [fraction, colour, light] : cases) {
        EXPECT_EQ(scaleColour(fraction), colour) << fraction;
        EXPECT_EQ(wantsLightText(colour), light) << fraction;
    }
}

} // namespace
} // namespace quorin
