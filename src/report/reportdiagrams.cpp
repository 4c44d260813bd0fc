#include "report/reportdiagrams.h"

#include "common/numberforms.h"
#include "common/textfile.h"
#include "report/quietprompter.h"
#include "scatter/scattereditor.h"
#include "scatter/scatterread.h"
#include "scatter/scattershares.h"

#include <filesystem>

namespace quorin {

namespace {

constexpr int kLastDirection = 12;

std::string fileName(const std::string& path)
{
    return std::filesystem::path(path).filename().string();
}

// The cells, headings and totals of a diagram read without a fault.
void showDiagram(DiagramReport& diagram, const GridModel& grid, char decimal)
{
    const ScatterShares shares = scatterShares(grid);
    const auto total = [&](double value) {
        return shownTotal(value, shares.total, ShareUnit::Occurrences, decimal);
    };
    diagram.cells.assign(kScatterGridRows - 1, std::vector<ShadedCell>(kScatterGridCols - 1));
    for (int r = 1; r < kScatterGridRows; ++r) {
        diagram.heights.push_back(grid.text(r, 0));
        diagram.rowTotals.push_back(total(shares.rowTotals[r]));
        for (int c = 1; c < kScatterGridCols; ++c)
            diagram.cells[r - 1][c - 1].text = grid.text(r, c);
    }
    for (int c = 1; c < kScatterGridCols; ++c) {
        diagram.periods.push_back(grid.text(0, c));
        diagram.columnTotals.push_back(total(shares.columnTotals[c]));
    }
    diagram.cellTotal = total(shares.total);
    for (const CellShade& shade : cellShades(shares)) {
        ShadedCell& cell = diagram.cells[shade.row - 1][shade.col - 1];
        cell.shade = shade.colour;
        cell.lightText = shade.lightText;
    }
}

DiagramReport readDiagram(
    const std::string& modelName, int direction, FileLayer& files, char decimal)
{
    GridEdit store;
    GridModel grid(kScatterGridRows, kScatterGridCols);
    loadScatterGrid(store, grid, decimal);
    ScatterBoxes boxes;
    boxes.direction = std::to_string(direction);
    QuietPrompter prompter;
    const ScatterContext context { grid, boxes, prompter, files, modelName, {}, decimal };

    DiagramReport diagram;
    diagram.file = fileName(scatterFileName(modelName, boxes.direction));
    if (!ReadScatter(store, context)) {
        diagram.state = DiagramReport::State::Damaged;
        diagram.note = "It could not be read (" + prompter.told + "): open direction "
            + boxes.direction
            + " in the scatter diagram editor, correct the diagram and save it again.";
        return diagram;
    }
    diagram.state = DiagramReport::State::Shown;
    diagram.facts = {
        { "Diagram Scaling Factor", boxes.scalingFactor },
        { "Period (Yrs)", boxes.years },
        { "Total", textForm(store.ScatterTotal, Precision::Single, decimal) },
        { "Cycles per year", textForm(store.CyclesPerYear, Precision::Single, decimal) },
    };
    showDiagram(diagram, grid, decimal);
    return diagram;
}

} // namespace

std::vector<DiagramReport> reportDiagrams(const std::string& modelName, int directions,
    const std::vector<std::string>& angles, FileLayer& files, char decimal)
{
    std::vector<DiagramReport> diagrams;
    for (int d = 1; d <= kLastDirection; ++d) {
        const bool ofRun = d <= directions;
        const std::string path = scatterFileName(modelName, std::to_string(d));
        DiagramReport diagram;
        if (fileExists(path)) {
            diagram = readDiagram(modelName, d, files, decimal);
        } else if (ofRun) {
            diagram.file = fileName(path);
            diagram.note = "Open direction " + std::to_string(d)
                + " in the scatter diagram editor, enter its diagram and save it.";
        } else {
            continue;
        }
        diagram.direction = d;
        diagram.title = "Direction " + std::to_string(d);
        if (!ofRun)
            diagram.title += ", not one of the run's directions";
        else if (d <= static_cast<int>(angles.size()))
            diagram.title += " (" + angles[static_cast<std::size_t>(d - 1)] + " deg)";
        diagrams.push_back(std::move(diagram));
    }
    return diagrams;
}

} // namespace quorin
