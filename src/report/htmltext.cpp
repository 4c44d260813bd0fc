#include "report/htmltext.h"

#include <algorithm>

namespace quorin::html {

std::string escaped(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (const char ch : text) {
        switch (ch) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += ch;
        }
    }
    return out;
}

std::string element(std::string_view tag, std::string_view text, std::string_view attributes)
{
    return "<" + std::string(tag) + std::string(attributes) + ">" + escaped(text) + "</"
        + std::string(tag) + ">";
}

std::string row(const std::vector<std::string>& cells, std::string_view tag, std::string_view align)
{
    std::string out = "<tr>";
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const bool right = !align.empty() && align[std::min(i, align.size() - 1)] == 'r';
        out += element(tag, cells[i], right ? R"( align="right")" : "");
    }
    return out + "</tr>\n";
}

} // namespace quorin::html
