#pragma once

#include "common/filelayer.h"
#include "common/gridmodel.h"
#include "common/prompter.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace quorin {

// The scatter diagram grid: a heading row and 25 wave-height rows, a heading
// column and 18 wave-period columns.
inline constexpr int kScatterGridRows = 26;
inline constexpr int kScatterGridCols = 19;

// The scatter diagram held in memory for the whole run. Scatter[r][0] is the
// height of row r, Scatter[0][c] the period of column c, Scatter[r][c] the
// occurrences of the sea state (r, c); Scatter[0][0] stays 0.
struct GridEdit {
    std::int32_t NumHeights = 0;
    std::int32_t NumPeriods = 0;
    std::array<float, kScatterGridRows> HsBand {};
    std::array<float, kScatterGridCols> TpBand {};
    std::array<std::array<float, kScatterGridCols>, kScatterGridRows> Scatter {};
    float ScatterTotal = 0;
    float CyclesPerYear = 0;
    std::string ScatterFileName;
};

// The texts of the editor's boxes, as typed.
struct ScatterBoxes {
    std::string direction = "1"; // Text2, "Direction No"
    std::string scalingFactor = "1"; // Text3(0), "Diagram Scaling Factor"
    std::string years = "1"; // Text3(1), "Period (Yrs)"
};

// What the diagram operations work on besides the store: the editor's grid
// (kScatterGridRows x kScatterGridCols) and boxes, the message boxes, and the
// run's model file stem, spectrum type code ("1" to "3") and the user's
// decimal symbol.
struct ScatterContext {
    GridModel& grid;
    ScatterBoxes& boxes;
    Prompter& prompter;
    FileLayer& files;
    std::string modelName;
    std::string spectrumType;
    char decimalSymbol = '.';
};

// 25 height rows, 18 period columns and the default bands (HsBand 12.75 down
// by 0.5, TpBand -0.5 up by 1). Throws std::invalid_argument when the grid is
// not a scatter diagram grid.
void ScatterSetUp(GridEdit& store, const GridModel& grid);

// Fills every cell, headings included, from the store: values above 0 in text
// form, others empty.
void ShowScatter(const GridEdit& store, GridModel& grid, char decimalSymbol);

// Fills every cell from the store: values above 0 rounded to whole numbers,
// others empty; then every heading in text form whatever its value.
void ShowSteepness(const GridEdit& store, GridModel& grid, char decimalSymbol);

// The file of a direction: the model stem, ".DBS" and the direction box's
// text without surrounding spaces.
std::string scatterFileName(const std::string& modelName, const std::string& direction);

// The single-precision value a number is stored as, or std::nullopt when it
// lies beyond the single range (its nearest single would be infinite).
std::optional<float> singleInRange(double value);

} // namespace quorin
