#include "wavetable/defaultwaves.h"

#include "common/numberforms.h"
#include "common/numberreading.h"
#include "wavetable/wavegrid.h"

#include <cmath>
#include <vector>

namespace quorin {

std::unexpected<Failure> refuseDialogBox(const DefaultWavesBox& box, const std::string& problem)
{
    return fail(std::string(box.caption) + ": " + problem, {}, box.objectName);
}

Result<void> checkDefaultWaves(const DefaultWaveParameters& parameters, float waveSteepness)
{
    if (parameters.NumDefaultWaves < 2)
        return refuseDialogBox(kNumberOfWavesBox,
            "at least 2 waves are needed, to have a frequency step between them.");
    if (parameters.NumDefaultWaves > kWaveRowCount)
        return refuseDialogBox(kNumberOfWavesBox,
            "at most " + std::to_string(kWaveRowCount) + " waves fit in the table.");
    if (parameters.MinPeriod == 0)
        return refuseDialogBox(kMinPeriodBox, "a period of 0 has no frequency.");
    if (parameters.MaxPeriod == 0)
        return refuseDialogBox(kMaxPeriodBox, "a period of 0 has no frequency.");
    if (parameters.MinPeriod == parameters.MaxPeriod)
        return refuseDialogBox(
            kMaxPeriodBox, "equals the minimum period, so every wave would be the same.");
    if (waveSteepness == 0)
        return refuseDialogBox(kSteepnessBox, "a steepness of 0 gives no wave height.");
    return {};
}

namespace {

struct Wave {
    float period;
    float height;
};

} // namespace

Result<std::string> DefaultWaves(GridModel& grid, const DefaultWaveParameters& parameters,
    float waveSteepness, std::int16_t& noOfWaves, char decimalSymbol)
{
    if (auto checked = checkDefaultWaves(parameters, waveSteepness); !checked)
        return std::unexpected(checked.error());
    const int n = parameters.NumDefaultWaves;

    // Equally spaced frequencies, summed in single precision as they go.
    const float fA = 1 / parameters.MinPeriod;
    const float fB = 1 / parameters.MaxPeriod;
    const float df = (fB - fA) / static_cast<float>(n - 1);
    std::vector<Wave> waves;
    float f = fA;
    for (int i = 1; i <= n; ++i) {
        if (f == 0)
            return fail("Generate Default Waves: a frequency of 0 has no period");
        const float period = 1 / f;
        const float height = toSingle(std::pow(period, 2) * (1.56131 / waveSteepness));
        if (!std::isfinite(period) || !std::isfinite(height))
            return fail("Generate Default Waves: these periods and steepness give a wave "
                        "beyond the range of numbers");
        waves.push_back({ period, height });
        f = f + df;
    }

    for (int i = 1; i <= n; ++i) {
        const Wave& wave = waves[static_cast<std::size_t>(i - 1)];
        grid.setText(i, 2, formatNumber(wave.period, "#0.00", decimalSymbol));
        grid.setText(i, 1, formatNumber(wave.height, "#0.00", decimalSymbol));
        grid.setText(i, 3, wave.height >= 3.0 ? "2" : "1");
    }
    noOfWaves = parameters.NumDefaultWaves;
    return "Frequency increment is " + formatNumber(2 * 3.14159 * -df, "#0.0000", decimalSymbol)
        + " Rad/s";
}

} // namespace quorin
