#pragma once

#include "common/gridmodel.h"
#include "scatter/gridedit.h"

#include <array>
#include <string>

namespace quorin {

// The diagram as its body cells read now: each cell's occurrences (the
// leading number of its text, as Save stores it), the totals of each height
// row and period column, the diagram total and the largest cell.
struct ScatterShares {
    std::array<std::array<double, kScatterGridCols>, kScatterGridRows> cells {};
    std::array<double, kScatterGridRows> rowTotals {}; // rows 1 to 25
    std::array<double, kScatterGridCols> columnTotals {}; // columns 1 to 18
    double total = 0;
    double largest = 0;
};

ScatterShares scatterShares(const GridModel& grid);

// How the totals are shown: as occurrences, or as parts per thousand of the
// diagram total.
enum class ShareUnit { Occurrences, PerThousand };

// A total in the unit: occurrences in text form, parts per thousand with one
// decimal. Empty for 0, and for parts per thousand of a total not above 0.
std::string shownTotal(double value, double total, ShareUnit unit, char decimalSymbol);

// A shaded cell's tool tip: its occurrences and its part of the diagram total.
std::string shareNote(double value, double total, char decimalSymbol);

} // namespace quorin
