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

TEST(ScatterShares, CellsReadAsSaveStoresThemAndAddUpByRowAndColumn)
{
    // "2,5" reads 2 and "abc" 0, as Save stores them; headings never count.
    Body body { { 0, 1, "0.5" }, { 1, 0, "12.25" }, { 1, 1, "10" }, { 1, 18, "2,5" },
        { 25, 1, "7.5" }, { 25, 18, "abc" }, { 3, 4, "-1" } };
    const ScatterShares s = scatterShares(body.grid);
    EXPECT_EQ(std::tuple(s.rowTotals[1], s.rowTotals[25], s.rowTotals[3], s.columnTotals[1],
                  s.columnTotals[18], s.columnTotals[4], s.total, s.largest),
        std::tuple(12, 7.5, -1, 17.5, 2, -1, 18.5, 10));
}

TEST(ScatterShares, TotalsShowInTheChosenUnit)
{
    // A value of a total, shown in a unit.
    const std::tuple<double, double, ShareUnit, char, const char*> cases[] = {
        { 0, 10, ShareUnit::Occurrences, '.', "" },
        { 12.5, 100, ShareUnit::Occurrences, '.', "12.5" },
        { 12.5, 100, ShareUnit::Occurrences, ',', "12,5" },
        { 0.1 + 0.2, 1, ShareUnit::Occurrences, '.', "0.3" },
        { 12, 1000, ShareUnit::PerThousand, '.', "12.0" },
        { 1, 3, ShareUnit::PerThousand, ',', "333,3" },
        { 5, 0, ShareUnit::PerThousand, '.', "" },
        { 0, 50, ShareUnit::PerThousand, '.', "" },
    };
    for (const auto& [value, total, unit, decimal, shown] : cases)
        EXPECT_EQ(shownTotal(value, total, unit, decimal), shown) << value << " of " << total;
    EXPECT_EQ(shareNote(35, 1000, '.'), "35 occurrences, 35.0 \u2030 of the diagram total");
}

// A share of the largest: its shade, and whether text on it is light.
TEST(ShareScale, RunsFromLightYellowToDarkVioletWithLightTextOnTheDarkShades)
{
    const std::tuple<double, Rgb, bool> cases[] = {
        { 0, { 0xfd, 0xe7, 0x25 }, false },
        { -1, { 0xfd, 0xe7, 0x25 }, false },
        { 0.05, { 220, 227, 38 }, false }, // halfway between the last two steps
        { 0.5, { 0x21, 0x90, 0x8c }, false },
        { 1, { 0x44, 0x01, 0x54 }, true },
        { 7, { 0x44, 0x01, 0x54 }, true },
    };
    for (const auto& [fraction, colour, light] : cases) {
        EXPECT_EQ(scaleColour(fraction), colour) << fraction;
        EXPECT_EQ(wantsLightText(colour), light) << fraction;
    }
    EXPECT_TRUE(wantsLightText(scaleColour(0.8)));
    EXPECT_EQ(std::pair(wantsLightText({ 255, 255, 255 }), wantsLightText({ 0, 0, 0 })),
        std::pair(false, true));
}

TEST(ShareScale, OnlyOccupiedCellsAreShadedTheLargestDarkest)
{
    EXPECT_TRUE(cellShades(scatterShares(Body {}.grid)).empty());
    Body body { { 2, 3, "10" }, { 4, 5, "5" }, { 6, 7, "0" }, { 8, 9, "-3" }, { 9, 9, "x" } };
    const auto shades = cellShades(scatterShares(body.grid));
    ASSERT_EQ(shades.size(), 2u);
    EXPECT_EQ(std::tuple(shades[0].row, shades[0].col, shades[0].colour, shades[0].lightText,
                  shades[1].row, shades[1].col, shades[1].colour),
        std::tuple(2, 3, scaleColour(1), true, 4, 5, scaleColour(0.5)));
}

} // namespace
} // namespace quorin
