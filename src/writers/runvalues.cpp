#include "writers/runvalues.h"

#include "common/numberforms.h"
#include "common/numberreading.h"

namespace quorin::writers {

std::string whole(long long value)
{
    return plainForm(static_cast<double>(value), Precision::Double);
}

std::string trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const std::size_t last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

void forEachWave(const RunSetup& setup, const std::function<void(const WaveSlot&)>& visit)
{
    for (int d = 1; d <= setup.DirectionCount; ++d)
        for (int w = 1; w <= setup.NoOfWaves; ++w)
            visit(WaveSlot { d, w, (d - 1) * setup.NoOfWaves + w });
}

int lastWaveNumber(const RunSetup& setup)
{
    return setup.NoOfWaves * setup.DirectionCount;
}

std::string dampingRatioOf(const RunSetup& setup, char decimalSymbol)
{
    return textForm(readLenient(setup.DampingText) / 100, Precision::Double, decimalSymbol);
}

} // namespace quorin::writers
