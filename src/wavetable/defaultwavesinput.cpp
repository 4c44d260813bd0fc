#include "wavetable/defaultwavesinput.h"

#include "common/numberreading.h"
#include "wavetable/wavegrid.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>

namespace quorin {

namespace {

constexpr int kBackspace = 8;
constexpr int kCtrlC = 3, kCtrlX = 24, kCtrlV = 22;

bool isDigitKey(int keyCode)
{
    return keyCode >= '0' && keyCode <= '9';
}

std::string_view trimSpaces(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

Result<std::int16_t> readNumberOfWaves(std::string_view text)
{
    const std::string_view digits = trimSpaces(text);
    if (digits.empty())
        return refuseDialogBox(
            kNumberOfWavesBox, "the box is empty; enter a whole number from 2 to 100.");
    if (!std::ranges::all_of(digits, [](char c) { return isDigitKey(c); }))
        return refuseDialogBox(kNumberOfWavesBox,
            "\"" + std::string(text) + "\" is not a whole number; enter one from 2 to 100.");
    // Long texts stop growing at the 16-bit limit; the range check refuses them.
    int value = 0;
    for (const char c : digits)
        value = std::min(value * 10 + (c - '0'), int { std::numeric_limits<std::int16_t>::max() });
    return static_cast<std::int16_t>(value);
}

Result<float> readReal(const DefaultWavesBox& box, std::string_view text, char decimalSymbol)
{
    if (const auto value = toSingleStrict(text, decimalSymbol))
        return *value;
    return refuseDialogBox(box, "\"" + std::string(text) + "\" is not a number.");
}

} // namespace

int RealIn(int keyCode)
{
    if (keyCode == 'e')
        keyCode = 'E';
    switch (keyCode) {
    case 'E':
    case kBackspace:
    case ',':
    case '-':
    case '.':
    case kCtrlC:
    case kCtrlX:
    case kCtrlV:
        return keyCode;
    default:
        return isDigitKey(keyCode) ? keyCode : 0;
    }
}

int IntIn(int keyCode)
{
    return keyCode == kBackspace || isDigitKey(keyCode) ? keyCode : 0;
}

std::string ValidNum(std::string_view text, char decimalSymbol)
{
    return toSingleStrict(text, decimalSymbol) ? std::string(text) : std::string("0");
}

Result<DefaultWaveRequest> readDefaultWaveTexts(const DefaultWaveTexts& texts, char decimalSymbol)
{
    const auto count = readNumberOfWaves(texts.numberOfWaves);
    if (!count)
        return std::unexpected(count.error());
    const auto minPeriod = readReal(kMinPeriodBox, texts.minPeriod, decimalSymbol);
    if (!minPeriod)
        return std::unexpected(minPeriod.error());
    const auto maxPeriod = readReal(kMaxPeriodBox, texts.maxPeriod, decimalSymbol);
    if (!maxPeriod)
        return std::unexpected(maxPeriod.error());
    const auto steepness = readReal(kSteepnessBox, texts.steepness, decimalSymbol);
    if (!steepness)
        return std::unexpected(steepness.error());

    const DefaultWaveRequest request { { *minPeriod, *maxPeriod, *count }, *steepness };
    // Tried on a table of its own, so that a request the generation refuses
    // is refused here, where the dialog can still be corrected.
    GridModel trial { kWaveGridRows, kWaveGridCols };
    std::int16_t trialWaves = 0;
    if (auto generated
        = DefaultWaves(trial, request.parameters, request.WaveSteepness, trialWaves, decimalSymbol);
        !generated)
        return std::unexpected(generated.error());
    return request;
}

} // namespace quorin
