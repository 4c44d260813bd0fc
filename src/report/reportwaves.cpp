#include "report/reportwaves.h"

#include "common/numberforms.h"
#include "common/numberreading.h"
#include "mainform/commands.h"
#include "wavetable/chartkey.h"
#include "wavetable/wavefacts.h"

namespace quorin {

std::vector<WaveLine> reportWaves(const GridModel& waves, char decimal)
{
    std::vector<WaveLine> lines;
    const int count = countWaves(waves);
    for (int row = 1; row <= count; ++row) {
        const WaveRow cells = readWaveRow(waves, row);
        const float height = toSingle(cells.height);
        const float period = toSingle(cells.period);
        const float theory = toSingle(cells.theory);
        WaveLine line { std::to_string(row), textForm(height, Precision::Single, decimal),
            textForm(period, Precision::Single, decimal),
            textForm(theory, Precision::Single, decimal) + " "
                + (theory == 1 ? chartkey::linear : chartkey::stokes) };
        if (const auto facts = waveFacts(height, period)) {
            line.frequency = formatNumber(facts->circularFrequency, "0.000", decimal);
            line.wavelength = formatNumber(facts->wavelength, "0.00", decimal);
            if (facts->steepness)
                line.steepness = "1 in " + formatNumber(*facts->steepness, "0.0", decimal);
            line.breaking = facts->breaking();
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

} // namespace quorin
