#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quorin::html {

// Text put into HTML: &, <, > and " escaped.
std::string escaped(std::string_view text);

// "<tag attributes>text</tag>", the text escaped.
std::string element(std::string_view tag, std::string_view text, std::string_view attributes = {});

// A table row of cells, each escaped. align: a letter a column, 'r' to line
// it up on the right (numbers), 'l' on the left; the last letter holds for
// the columns after it.
std::string row(
    const std::vector<std::string>& cells, std::string_view tag, std::string_view align);

// The attributes every table of the report opens with.
inline constexpr std::string_view kTable = R"( border="1" cellspacing="0" cellpadding="3")";

} // namespace quorin::html
