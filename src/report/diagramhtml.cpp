#include "report/diagramhtml.h"

#include "report/htmltext.h"

#include <cstdio>

namespace quorin {

namespace {

std::string hexColour(const Rgb& colour)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", colour.red, colour.green, colour.blue);
    return text;
}

std::string shadedCell(const ShadedCell& cell)
{
    if (!cell.shade)
        return html::element("td", cell.text, R"( align="right")");
    const std::string colour = hexColour(*cell.shade);
    const std::string attributes = R"( align="right" bgcolor=")" + colour
        + R"(" style="background-color:)" + colour
        + ";color:" + (cell.lightText ? "#ffffff" : "#000000") + R"(")";
    return html::element("td", cell.text, attributes);
}

// The file and the diagram's facts, side by side.
std::string facts(const DiagramReport& diagram)
{
    std::vector<std::string> captions { "File" };
    std::vector<std::string> values { diagram.file };
    for (const ReportLine& fact : diagram.facts) {
        captions.push_back(fact.caption);
        values.push_back(fact.value + (fact.unit.empty() ? "" : " " + fact.unit));
    }
    return "<table class=\"facts\"" + std::string(html::kTable) + ">\n<thead>"
        + html::row(captions, "th", "l") + "</thead>\n" + html::row(values, "td", "l")
        + "</table>\n";
}

} // namespace

std::string diagramHtml(const DiagramReport& diagram)
{
    std::string out = html::element("h2", "Scatter diagram, " + diagram.title) + "\n"
        + facts(diagram) + "<p></p>\n<table class=\"diagram\" width=\"100%\""
        + std::string(html::kTable) + ">\n<thead>";
    // Columns of one width, whatever they hold, so that the eye runs straight down them.
    const auto column = [](std::string_view text, std::string_view width) {
        return html::element("th", text, R"( align="right" width=")" + std::string(width) + "\"");
    };
    out += "<tr>" + column("Hs (m) \\ Tp (s)", "10%");
    for (const std::string& period : diagram.periods)
        out += column(period, "4.5%");
    out += column("Total", "9%") + "</tr>\n</thead>\n";
    for (std::size_t r = 0; r < diagram.cells.size(); ++r) {
        out += "<tr>" + html::element("th", diagram.heights[r], R"( align="right")");
        for (const ShadedCell& cell : diagram.cells[r])
            out += shadedCell(cell);
        out += html::element("th", diagram.rowTotals[r], R"( align="right")") + "</tr>\n";
    }
    std::vector<std::string> totals { "Total" };
    totals.insert(totals.end(), diagram.columnTotals.begin(), diagram.columnTotals.end());
    totals.push_back(diagram.cellTotal);
    out += html::row(totals, "th", "lr") + "</table>\n";
    return out
        + html::element("p",
            "Cells hold occurrences; each occupied cell is shaded by its share of the diagram, "
            "from light yellow for the fewest occurrences to dark violet for the most.",
            R"( class="note")")
        + "\n";
}

std::string diagramListHtml(const std::vector<DiagramReport>& diagrams)
{
    if (diagrams.empty())
        return html::element(
                   "p", "The run has no directions and no direction has a scatter diagram file.")
            + "\n";
    std::string out = "<table" + std::string(html::kTable) + ">\n<thead>"
        + html::row({ "Direction", "File", "Diagram" }, "th", "l") + "</thead>\n";
    for (const DiagramReport& diagram : diagrams) {
        const char* const words[]
            = { "Shown on a page of its own at the end of the report.", "Missing. ", "Damaged. " };
        const std::string state = words[static_cast<int>(diagram.state)] + diagram.note;
        out += html::row({ diagram.title, diagram.file, state }, "td", "l");
    }
    return out + "</table>\n";
}

} // namespace quorin
