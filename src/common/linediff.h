#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quorin {

// One line of a diff: a line only the old text has ('-', its line number
// there) or only the new text has ('+', its line number there).
struct DiffLine {
    char mark;
    int number; // from 1
    std::string text; // without its line end

    bool operator==(const DiffLine&) const = default;
};

// How two texts differ by lines. A place where old lines gave way to new
// ones counts the larger of the two numbers, so one line rewritten counts 1
// and three lines added count 3. shown holds the diff lines of the first
// differing lines, up to the limit given, in order.
struct LineDiff {
    int differing = 0;
    std::vector<DiffLine> shown;
};

// Whether two lines, each with its line end, stand for the same line.
using SameLine = std::function<bool(std::string_view, std::string_view)>;

// Compares before and after line by line (a line ends after LF; CR LF
// against LF differs). sameLine, when given, decides for lines whose bytes
// differ.
LineDiff diffLines(
    std::string_view before, std::string_view after, const SameLine& sameLine, int shownLimit);

} // namespace quorin
