#include "report/diagramhtml.h"

#include "report/diagramtable.h"
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

std::string cellHtml(const ShadedCell& cell, std::string_view attributes)
{
    std::string more(attributes);
    if (cell.shade) {
        const std::string colour = hexColour(*cell.shade);
        more += R"( bgcolor=")" + colour + R"(" style="background-color:)" + colour
            + ";color:" + (cell.lightText ? "#ffffff" : "#000000") + R"(")";
    }
    return html::element(cell.heading ? "th" : "td", cell.text, more);
}

// widths: each column's share of the table, or none; right: numbers, lined up on the right.
std::string tableHtml(const CellTable& table, std::string_view attributes,
    const std::vector<std::string>& widths, bool right)
{
    std::string out = "<table" + std::string(attributes) + std::string(html::kTable) + ">\n";
    for (std::size_t r = 0; r < table.size(); ++r) {
        out += r == 0 ? "<thead><tr>" : "<tr>";
        for (std::size_t c = 0; c < table[r].size(); ++c) {
            std::string more = right ? R"( align="right")" : "";
            if (r == 0 && c < widths.size())
                more += R"( width=")" + widths[c] + "\"";
            out += cellHtml(table[r][c], more);
        }
        out += r == 0 ? "</tr></thead>\n" : "</tr>\n";
    }
    return out + "</table>\n";
}

} // namespace

std::string diagramHtml(const DiagramReport& diagram)
{
    // Columns of one width, whatever they hold, so that the eye runs straight down them.
    std::vector<std::string> widths { "10%" };
    widths.insert(widths.end(), diagram.periods.size(), "4.5%");
    widths.push_back("9%");
    return html::element("h2", diagramHeading(diagram)) + "\n"
        + tableHtml(diagramFacts(diagram), "", {}, false) + "<p></p>\n"
        + tableHtml(diagramCells(diagram), R"( class="diagram" width="100%")", widths, true)
        + html::element("p", shadingNote(), R"( class="note")") + "\n";
}

std::string diagramListHtml(const std::vector<DiagramReport>& diagrams)
{
    if (diagrams.empty())
        return html::element(
                   "p", "The run has no directions and no direction has a scatter diagram file.")
            + "\n";
    std::string out = "<ul>\n";
    for (const DiagramReport& diagram : diagrams) {
        const char* const states[]
            = { "shown on a page of its own at the end of the report.", "missing. ", "damaged. " };
        out += html::element("li",
                   diagram.title + ", " + diagram.file + ": "
                       + states[static_cast<int>(diagram.state)] + diagram.note)
            + "\n";
    }
    return out + "</ul>\n";
}

} // namespace quorin
