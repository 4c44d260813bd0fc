#include "writers/runvalues.h"

#include "common/linewriter.h"
#include "common/numberforms.h"
#include "common/numberreading.h"

#include <cstddef>
#include <limits>

namespace quorin::writers {

namespace {

template <typename Int>
Int checkedWhole(long long value, const std::string& file, std::string_view what)
{
    if (value < std::numeric_limits<Int>::min() || value > std::numeric_limits<Int>::max())
        stopWriting(file,
            std::string(what) + " " + whole(value) + " is beyond the range "
                + whole(std::numeric_limits<Int>::min()) + " to "
                + whole(std::numeric_limits<Int>::max()));
    return static_cast<Int>(value);
}

template <typename Int>
[[noreturn]] void beyondRange(double value, const std::string& file, std::string_view what)
{
    stopWriting(file,
        std::string(what) + " " + plainForm(value, Precision::Double) + " is beyond the range "
            + whole(std::numeric_limits<Int>::min()) + " to "
            + whole(std::numeric_limits<Int>::max()));
}

} // namespace

void stopWriting(const std::string& file, const std::string& reason)
{
    throw WriteError(file, reason);
}

std::int16_t to16Bit(long long value, const std::string& file, std::string_view what)
{
    return checkedWhole<std::int16_t>(value, file, what);
}

std::int32_t to32Bit(long long value, const std::string& file, std::string_view what)
{
    return checkedWhole<std::int32_t>(value, file, what);
}

std::int16_t nearest16Bit(double value, const std::string& file, std::string_view what)
{
    const auto rounded = roundToInt16(value);
    if (!rounded)
        beyondRange<std::int16_t>(value, file, what);
    return *rounded;
}

std::int32_t nearest32Bit(double value, const std::string& file, std::string_view what)
{
    const auto rounded = roundToInt32(value);
    if (!rounded)
        beyondRange<std::int32_t>(value, file, what);
    return *rounded;
}

double strictNumber(
    std::string_view text, char decimalSymbol, const std::string& file, std::string_view caption)
{
    const auto value = toDoubleStrict(text, decimalSymbol);
    if (!value)
        stopWriting(file, std::string(caption) + " \"" + std::string(text) + "\" is not a number");
    return *value;
}

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

std::int16_t directionCountOf(std::int16_t directionCode)
{
    return directionCode == 14 ? std::int16_t { 4 } : directionCode;
}

void forEachWave(const RunSetup& setup, const std::string& file,
    const std::function<void(const WaveSlot&)>& visit)
{
    for (int d = 1; d <= setup.DirectionCount; ++d) {
        for (int w = 1; w <= setup.NoOfWaves; ++w) {
            const auto before = to16Bit((d - 1LL) * setup.NoOfWaves, file, "Wave number");
            visit(WaveSlot {
                d, w, to16Bit(before + static_cast<long long>(w), file, "Wave number") });
        }
    }
}

std::int16_t lastWaveNumber(const RunSetup& setup, const std::string& file)
{
    return to16Bit(
        static_cast<long long>(setup.NoOfWaves) * setup.DirectionCount, file, "Wave number");
}

float element(
    const std::array<float, 101>& values, int index, const std::string& file, std::string_view what)
{
    if (index < 0 || static_cast<std::size_t>(index) >= values.size())
        stopWriting(file, std::string(what) + " " + whole(index) + " is beyond the table of 100");
    return values[static_cast<std::size_t>(index)];
}

std::int16_t stepCountOf(const RunSetup& setup, const std::string& file)
{
    return nearest16Bit(readLenient(setup.WaveStepsText), file, "Number of wave steps");
}

StaticCases staticCasesOf(
    const RunSetup& setup, std::int16_t steps, char decimalSymbol, const std::string& file)
{
    const double first
        = strictNumber(setup.LoadCaseStartText, decimalSymbol, file, "Load Case (Start)");
    return { first, first + steps - 1 };
}

std::int16_t staticFirstCaseOf(const RunSetup& setup, const std::string& file)
{
    return nearest16Bit(readLenient(setup.LoadCaseStartText), file, "Load case");
}

int caseOffsetOf(const RunSetup& setup)
{
    return readLenient(setup.WaveStepsText) > 20 ? 30 : 20;
}

std::int16_t combinationBaseOf(
    const RunSetup& setup, int offset, const std::string& file, std::string_view what)
{
    return nearest16Bit(readLenient(setup.LoadCaseStartText) + offset, file, what);
}

std::string dampingRatioOf(const RunSetup& setup, char decimalSymbol)
{
    return textForm(readLenient(setup.DampingText) / 100, Precision::Double, decimalSymbol);
}

} // namespace quorin::writers
