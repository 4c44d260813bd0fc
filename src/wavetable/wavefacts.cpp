#include "wavetable/wavefacts.h"

#include "common/numberforms.h"
#include "common/numberreading.h"

#include <cmath>

namespace quorin {

WaveRow readWaveRow(const GridModel& waves, int row)
{
    return { readLenient(waves.text(row, 1)), readLenient(waves.text(row, 2)),
        readLenient(waves.text(row, 3)) };
}

double deepWaterWavelength(double period)
{
    return kWavelengthPerSecondSquared * std::pow(period, 2);
}

std::optional<WaveFacts> waveFacts(double height, double period)
{
    if (!(period > 0))
        return std::nullopt;
    // As Toggle Freq Rad/s: the frequency is stored in single precision.
    const double w = 2 * 3.14159 * toSingle(1 / period);
    const double length = deepWaterWavelength(period);
    if (!std::isfinite(w) || !std::isfinite(length) || !std::isfinite(height))
        return std::nullopt;
    WaveFacts facts { w, length, std::nullopt };
    if (height > 0 && std::isfinite(length / height))
        facts.steepness = length / height;
    return facts;
}

std::string waveFactsLine(const GridModel& waves, int row, int noOfWaves, char decimalSymbol)
{
    const std::string wave = "Wave " + std::to_string(row);
    if (row < 1 || row > noOfWaves)
        return "Row " + std::to_string(row) + " is not a wave row: "
            + (noOfWaves < 1 ? std::string("the table holds no waves")
                             : "the waves are rows 1 to " + std::to_string(noOfWaves));
    const WaveRow cells = readWaveRow(waves, row);
    const auto facts = waveFacts(cells.height, cells.period);
    if (!facts)
        return wave + ": no period above 0";
    std::string line = wave + ": " + formatNumber(facts->circularFrequency, "0.000", decimalSymbol)
        + " rad/s, wavelength " + formatNumber(facts->wavelength, "0.00", decimalSymbol) + " m, ";
    if (!facts->steepness)
        return line + "no height above 0";
    line += "steepness 1 in " + formatNumber(*facts->steepness, "0.0", decimalSymbol);
    if (facts->breaking())
        line += " \u2014 steeper than 1 in 7: this wave would break";
    return line;
}

} // namespace quorin
