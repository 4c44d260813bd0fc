#pragma once

#include <string>

namespace quorin::chartkey {

// What the wave chart's marks and lines stand for, and their colours ("#rrggbb"),
// wherever the chart is drawn. The colours are ones colour-blind eyes tell
// apart (blue, vermilion, reddish purple), and the waves differ in shape as well.
inline constexpr const char* chart = "Wave Chart";
inline constexpr const char* linear = "Linear";
inline constexpr const char* stokes = "Stokes fifth order";
inline constexpr const char* current = "Current row";
inline constexpr const char* breaking = "1 in 7 (breaking)";
inline constexpr const char* theory = "3 m: theory 2 from here up";
inline constexpr const char* period = "Period (s)";
inline constexpr const char* height = "Height (m)";

inline constexpr const char* linearColour = "#0072b2";
inline constexpr const char* stokesColour = "#d55e00";
inline constexpr const char* breakingColour = "#cc79a7";
inline constexpr const char* guideColour = "#606060";

// The name of the curve of the wave steepness: "1 in 22".
std::string steepnessName(double waveSteepness, char decimalSymbol);

} // namespace quorin::chartkey
