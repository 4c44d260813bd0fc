#pragma once

#include "scatter/scattershares.h"

#include <cstdint>
#include <vector>

namespace quorin {

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    bool operator==(const Rgb&) const = default;
};

// The shading scale: a perceptually even colour scale that colour-blind eyes
// read in the same order, from light yellow (0) through green and blue to
// dark violet (1). A fraction outside 0 to 1 takes the nearer end.
Rgb scaleColour(double fraction);

// Whether text on the colour reads better light than dark: the colour's
// relative luminance is below the point where white and black text contrast
// equally with it.
bool wantsLightText(Rgb colour);

// Each occupied body cell (above 0) shaded by its share of the diagram total,
// the largest cell taking the dark end of the scale; empty cells take none.
struct CellShade {
    int row;
    int col;
    Rgb colour;
    bool lightText;
};
std::vector<CellShade> cellShades(const ScatterShares& shares);

} // namespace quorin
