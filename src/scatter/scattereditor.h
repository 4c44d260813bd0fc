#pragma once

#include "common/gridmodel.h"
#include "common/result.h"
#include "scatter/gridedit.h"

#include <string>

namespace quorin {

// What the scatter diagram editor does with the store, shared by its view and
// the command line. Save is SaveScatter (scatter/scattersave.h) as it stands.

// The editor's load: ScatterSetUp, then a fresh grid: the height bands in
// text form down column 0, the period bands along row 0, the corner and every
// body cell empty (even when the store holds a diagram).
void loadScatterGrid(GridEdit& store, GridModel& grid, char decimalSymbol);

struct ScatterOpened {
    Result<void> read; // the first failure of the reads, already told
    std::string totalsLine; // Label1(2)'s caption, rewritten whatever the reads gave
};

// Open: ReadScatter, then ReadSteepness when steepness ("Ste") is checked,
// whether or not the first read failed; then the totals line.
ScatterOpened openScatter(GridEdit& store, const ScatterContext& context, bool steepness);

// "Total :" ScatterTotal "  (" CyclesPerYear ")", both in text form.
std::string totalsLine(const GridEdit& store, char decimalSymbol);

// The direction box's text after the spin control's down or up button: its
// leading number one less (above 1) or one more (below 12) in text form, or
// the text unchanged at the ends; there is no wrap-around.
std::string stepDirectionDown(const std::string& text, char decimalSymbol);
std::string stepDirectionUp(const std::string& text, char decimalSymbol);

// Paste: the text, unless empty, fills the selection as range text; then the
// clean-up removes one leading character below "0" from each cell from the
// current cell to the selection end (stripLeadingCharacters).
void pasteScatter(GridModel& grid, const std::string& text);

// Every row of the grid, headings included: its cells joined by TAB, each row
// ended by a line feed.
std::string gridText(const GridModel& grid);

} // namespace quorin
