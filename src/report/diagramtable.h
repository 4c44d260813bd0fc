#pragma once

#include "report/runreport.h"

#include <string>
#include <string_view>
#include <vector>

namespace quorin {

// A shown scatter diagram as tables, the same in the web page and on its PDF page.

// The diagrams read without a fault, each shown on a page of its own.
std::vector<const DiagramReport*> shownDiagrams(const RunReport& report);

// "Scatter diagram, Direction 2 (90 deg)".
std::string diagramHeading(const DiagramReport& diagram);

// The file and the diagram's facts: a row of captions over a row of values.
CellTable diagramFacts(const DiagramReport& diagram);

// The heading row (the corner, the periods, "Total"), a row for each height
// (its heading, its cells, its total), then the row of column totals.
CellTable diagramCells(const DiagramReport& diagram);

// What the cells hold and what their shades say.
std::string_view shadingNote();

} // namespace quorin
