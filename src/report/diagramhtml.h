#pragma once

#include "report/runreport.h"

#include <string>

namespace quorin {

// A scatter diagram read without a fault: its facts, and its cells as a
// shaded table with the total of each row and column.
std::string diagramHtml(const DiagramReport& diagram);

// The overview of every direction's diagram: shown, missing or damaged.
std::string diagramListHtml(const std::vector<DiagramReport>& diagrams);

} // namespace quorin
