#include "wavetable/wavechart.h"

#include "wavetable/wavefacts.h"

#include <algorithm>
#include <cmath>

namespace quorin {

namespace {

constexpr int kCurvePoints = 48;
constexpr double kRoom = 1.1; // the axes reach a tenth beyond the largest wave
constexpr double kMarks = 6; // about as many marks along each axis
constexpr double kEmptyPeriodEnd = 20; // s, a chart without waves

// The smallest of 1, 2, 2.5 and 5 times a power of ten that is not below the value.
double roundUp(double value)
{
    if (!(value > 0) || !std::isfinite(value))
        return 1;
    const double power = std::pow(10.0, std::floor(std::log10(value)));
    for (const double step : { 1.0, 2.0, 2.5, 5.0, 10.0 })
        if (step * power >= value * (1 - 1e-12))
            return step * power;
    return 10 * power;
}

// H = 1.56131 T squared / N from T = 0 to where the curve leaves the chart.
std::vector<ChartPoint> steepnessCurve(double n, double periodEnd, double heightEnd)
{
    std::vector<ChartPoint> points;
    if (!(n > 0) || !std::isfinite(n))
        return points;
    const double last = std::min(periodEnd, std::sqrt(heightEnd * n / kWavelengthPerSecondSquared));
    for (int i = 0; i <= kCurvePoints; ++i) {
        const double period = last * i / kCurvePoints;
        points.push_back({ period, deepWaterWavelength(period) / n });
    }
    return points;
}

} // namespace

WaveChart waveChart(const GridModel& waves, int noOfWaves, double waveSteepness)
{
    WaveChart chart;
    double longest = 0;
    double highest = chart.theoryHeight;
    const int last = std::min(noOfWaves, waves.rows() - 1);
    for (int row = 1; row <= last; ++row) {
        const WaveRow wave = readWaveRow(waves, row);
        if (!(wave.period > 0 && wave.height > 0) || !std::isfinite(wave.period)
            || !std::isfinite(wave.height)) {
            ++chart.skipped;
            continue;
        }
        chart.waves.push_back({ row, { wave.period, wave.height }, wave.theory != 1 });
        longest = std::max(longest, wave.period);
        highest = std::max(highest, wave.height);
    }
    chart.periodEnd = chart.waves.empty() ? kEmptyPeriodEnd : roundUp(longest * kRoom);
    chart.heightEnd = roundUp(highest * kRoom);
    chart.periodStep = roundUp(chart.periodEnd / kMarks);
    chart.heightStep = roundUp(chart.heightEnd / kMarks);
    chart.steepnessCurve = steepnessCurve(waveSteepness, chart.periodEnd, chart.heightEnd);
    chart.breakingCurve = steepnessCurve(kBreakingSteepness, chart.periodEnd, chart.heightEnd);
    return chart;
}

std::optional<int> waveRowAt(const WaveChart& chart, ChartPoint point)
{
    const auto found = std::ranges::find(chart.waves, point, &ChartWave::point);
    if (found == chart.waves.end())
        return std::nullopt;
    return found->row;
}

std::string chartSummary(const WaveChart& chart)
{
    const auto stokes = std::ranges::count_if(chart.waves, &ChartWave::stokes);
    const auto breaking = std::ranges::count_if(chart.waves, [](const ChartWave& wave) {
        const auto facts = waveFacts(wave.point.height, wave.point.period);
        return facts && facts->breaking();
    });
    const auto count = static_cast<long>(chart.waves.size());
    std::string summary = std::to_string(count) + (count == 1 ? " wave" : " waves") + ": "
        + std::to_string(count - stokes) + " linear, " + std::to_string(stokes)
        + " Stokes fifth order; " + std::to_string(breaking) + " steeper than 1 in 7";
    if (chart.skipped > 0)
        summary += "; " + std::to_string(chart.skipped)
            + " wave rows without a period or a height above 0 are not drawn";
    return summary;
}

} // namespace quorin
