#pragma once

#include "common/gridmodel.h"

#include <optional>
#include <string>
#include <vector>

namespace quorin {

struct ChartPoint {
    double period; // s
    double height; // m
    bool operator==(const ChartPoint&) const = default;
};

// A wave of the table as the chart draws it.
struct ChartWave {
    int row;
    ChartPoint point;
    bool stokes; // theory other than 1: Stokes fifth order; 1: linear
};

// What the wave chart draws: each wave of rows 1 to NoOfWaves with a period
// and a height above 0, as period against height; the curves of constant
// steepness for the wave steepness and for 1 in 7 (the breaking limit), each
// up to where it leaves the chart; the height at which generated waves
// change theory; and the axes' ends, which hold all of it.
struct WaveChart {
    std::vector<ChartWave> waves;
    std::vector<ChartPoint> steepnessCurve; // empty for a steepness not above 0
    std::vector<ChartPoint> breakingCurve;
    double theoryHeight = 3.0;
    double periodEnd = 0;
    double heightEnd = 0;
    double periodStep = 0; // between the axes' marks, from 0
    double heightStep = 0;
    int skipped = 0; // wave rows without a period or a height above 0
};

WaveChart waveChart(const GridModel& waves, int noOfWaves, double waveSteepness);

// The row of the wave drawn at the point, if any (the first such row).
std::optional<int> waveRowAt(const WaveChart& chart, ChartPoint point);

// The chart in words, for assistive technology: how many waves of each
// theory, how many are steeper than 1 in 7, what was left out.
std::string chartSummary(const WaveChart& chart);

} // namespace quorin
