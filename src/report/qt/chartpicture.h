#pragma once

#include "wavetable/wavechart.h"

#include <QImage>

#include <string>

namespace quorin {

// The wave chart as a picture, drawn as the main view's chart draws it: each
// wave a point of period against height marked by its theory, the curves of
// the wave steepness and of 1 in 7, the 3 m line, and the key under them.
// The picture is kChartWidth x kChartHeight pixels of a screen of 96 dots an
// inch, times scale.
QImage chartPicture(const WaveChart& chart, const std::string& steepnessName, int scale);

} // namespace quorin
