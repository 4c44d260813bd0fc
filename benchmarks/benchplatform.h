#pragma once

#include "common/clock.h"
#include "common/gridmodel.h"
#include "common/prompter.h"
#include "wavetable/wavegrid.h"

#include <algorithm>
#include <string>
#include <vector>

namespace bench {

// Answers every question Yes, as --overwrite does.
class YesPrompter : public quorin::Prompter {
public:
    Answer ask(const std::string&, Buttons buttons, Icon, const std::string&) override
    {
        return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
    }
};

class FixedClock : public quorin::Clock {
public:
    std::string shortDate() const override { return "06/12/2026"; }
    std::string timeOfDay() const override { return "09:05:07"; }
};

inline double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The wave table of 100 waves, periods 3.2 s to 23 s at a steepness of 1 in
// 22, every third Stokes fifth order.
inline quorin::GridModel HundredWaves()
{
    quorin::GridModel waves(quorin::kWaveGridRows, quorin::kWaveGridCols);
    quorin::GridSetUp(waves);
    for (int r = 1; r <= 100; ++r) {
        const double period = 3.0 + 0.2 * r;
        waves.setText(r, 1, std::to_string(period * period * 1.56131 / 22));
        waves.setText(r, 2, std::to_string(period));
        waves.setText(r, 3, r % 3 ? "1" : "2");
    }
    return waves;
}

} // namespace bench
