#include "scatter/sharescale.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace quorin {

namespace {

// The viridis colour scale at eleven even steps, from its dark end to its light end.
constexpr std::array<Rgb, 11> kViridis { {
    { 0x44, 0x01, 0x54 },
    { 0x48, 0x25, 0x76 },
    { 0x41, 0x44, 0x87 },
    { 0x35, 0x60, 0x8d },
    { 0x2a, 0x78, 0x8e },
    { 0x21, 0x90, 0x8c },
    { 0x22, 0xa8, 0x84 },
    { 0x43, 0xbf, 0x71 },
    { 0x7a, 0xd1, 0x51 },
    { 0xbb, 0xdf, 0x27 },
    { 0xfd, 0xe7, 0x25 },
} };

std::uint8_t blend(std::uint8_t a, std::uint8_t b, double t)
{
    return static_cast<std::uint8_t>(std::lround(a + (b - a) * t));
}

double linearLight(std::uint8_t channel)
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

} // namespace

Rgb scaleColour(double fraction)
{
    // Light for few occurrences, dark for many: the scale is read from its light end.
    const double t = 1 - std::clamp(std::isnan(fraction) ? 0.0 : fraction, 0.0, 1.0);
    const double position = t * (kViridis.size() - 1);
    const auto below = std::min(static_cast<std::size_t>(position), kViridis.size() - 2);
    const double within = position - static_cast<double>(below);
    const Rgb& a = kViridis[below];
    const Rgb& b = kViridis[below + 1];
    return { blend(a.red, b.red, within), blend(a.green, b.green, within),
        blend(a.blue, b.blue, within) };
}

bool wantsLightText(Rgb colour)
{
    const double luminance = 0.2126 * linearLight(colour.red) + 0.7152 * linearLight(colour.green)
        + 0.0722 * linearLight(colour.blue);
    // (L + 0.05) / 0.05 = 1.05 / (L + 0.05) at L = 0.179.
    return luminance < 0.179;
}

std::vector<CellShade> cellShades(const ScatterShares& shares)
{
    std::vector<CellShade> shades;
    if (!(shares.largest > 0))
        return shades;
    for (int r = 1; r < kScatterGridRows; ++r)
        for (int c = 1; c < kScatterGridCols; ++c) {
            const double value = shares.cells[r][c];
            if (!(value > 0))
                continue;
            const Rgb colour = scaleColour(value / shares.largest);
            shades.push_back({ r, c, colour, wantsLightText(colour) });
        }
    return shades;
}

} // namespace quorin
