#include "report/diagramtable.h"

namespace quorin {

namespace {

constexpr const char* kTotal = "Total";

std::vector<ShadedCell> headings(
    const std::string& first, const std::vector<std::string>& middle, const std::string& last)
{
    std::vector<ShadedCell> row { { first, {}, false, true } };
    for (const std::string& text : middle)
        row.push_back({ text, {}, false, true });
    row.push_back({ last, {}, false, true });
    return row;
}

} // namespace

std::vector<const DiagramReport*> shownDiagrams(const RunReport& report)
{
    std::vector<const DiagramReport*> shown;
    for (const DiagramReport& diagram : report.diagrams)
        if (diagram.state == DiagramReport::State::Shown)
            shown.push_back(&diagram);
    return shown;
}

std::string diagramHeading(const DiagramReport& diagram)
{
    return "Scatter diagram, " + diagram.title;
}

CellTable diagramFacts(const DiagramReport& diagram)
{
    CellTable table { { { "File", {}, false, true } }, { { diagram.file } } };
    for (const ReportLine& fact : diagram.facts) {
        table[0].push_back({ fact.caption, {}, false, true });
        table[1].push_back({ fact.value + (fact.unit.empty() ? "" : " " + fact.unit) });
    }
    return table;
}

CellTable diagramCells(const DiagramReport& diagram)
{
    CellTable table { headings("Hs (m) \\ Tp (s)", diagram.periods, kTotal) };
    for (std::size_t r = 0; r < diagram.cells.size(); ++r) {
        std::vector<ShadedCell> row { { diagram.heights[r], {}, false, true } };
        row.insert(row.end(), diagram.cells[r].begin(), diagram.cells[r].end());
        row.push_back({ diagram.rowTotals[r], {}, false, true });
        table.push_back(std::move(row));
    }
    table.push_back(headings(kTotal, diagram.columnTotals, diagram.cellTotal));
    return table;
}

std::string_view shadingNote()
{
    return "Cells hold occurrences; each occupied cell is shaded by its share of the diagram, "
           "from light yellow for the fewest occurrences to dark violet for the most.";
}

} // namespace quorin
