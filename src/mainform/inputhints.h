#pragma once

#include "common/gridmodel.h"
#include "run/maininputs.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorin {

// What a command will read from a box or wave cell when that differs from
// what it shows: a display for the user, which changes nothing the commands
// read or write.

// The hint for a text box (by object name) holding `text`; nothing when the
// box is read as it shows, or is not read as a number at all.
std::optional<std::string> boxHint(
    std::string_view objectName, std::string_view text, char decimalSymbol);

// A hint for a wave table cell.
struct CellHint {
    int row;
    int col;
    std::string text;
};

// The hints of the wave table: cells read as another number than they show,
// theories other than 1 or 2, and rows the wave count leaves out or takes
// without a height.
std::vector<CellHint> waveHints(const GridModel& waves);

} // namespace quorin
