#include "writers/waveblocks.h"

#include "common/numberforms.h"

#include <string>

namespace quorin::writers {

namespace {

// How the LOADA line ends: the first wave of the file, the last, or between.
std::string_view loadaEnding(const RunSetup& setup, const WaveSlot& slot)
{
    if (slot.number == 1)
        return "/1/1/";
    if (slot.number == lastWaveNumber(setup))
        return "/1/0/";
    return "/1/2/";
}

} // namespace

void writeWaveHeader(LineWriter& out, const WaveSlot& slot, char decimalSymbol)
{
    const std::string n = whole(slot.number);
    out.line("REM ************************ DIRECTION   "
        + printForm(slot.direction, Precision::Double, decimalSymbol)
        + "  WAVE: " + printForm(slot.wave, Precision::Double, decimalSymbol) + " WAVE No: " + n);
    out.line("MFCOPY \"WAV\" \"WAVF" + n + "\"");
    out.line("WAVELOAD WAVF" + n);
}

void writeStaticRun(
    LineWriter& out, const RunSetup& setup, const WaveSlot& slot, const RunNumbers& numbers)
{
    const std::string& start = setup.LoadCaseStartText;
    out.line("---run STATIC");
    out.line("LOADA C" + start + std::string(loadaEnding(setup, slot)));
    out.line("OFRAME");
    const std::string last = plainForm(numbers.StaticLast, Precision::Double);
    out.line("POST6 " + plainForm(numbers.loadCaseStart, Precision::Double) + "-" + last);
    if (setup.TubularJoints == 1) {
        out.line("FATIG1 " + setup.StressPointsText + "/" + start + "/" + last + "/"
            + setup.ScfCorrelationText + "/0/");
        out.line("FATIG2 " + start + "/" + last + "/ST1/1/");
    }
    if (setup.MemberJoints == 1) {
        out.line("FATIG1S " + setup.StressPointsText + "/" + start + "/" + last + "/");
        out.line("FATIG2 " + start + "/" + last + "/ST2/2/");
    }
}

void writeDynamicResponse(LineWriter& out, const RunSetup& setup, const RunNumbers& numbers,
    std::string_view dampingRatio, bool withZeroFrequency)
{
    const std::string frequencyCase = trimmed(setup.FreqCaseText);
    const std::string staticLast = plainForm(numbers.StaticLast, Precision::Double);
    const auto responseTo = [&](std::int16_t base, std::string_view kind) {
        out.line("FATSPEC1 " + setup.LoadCaseStartText + "/" + staticLast + "/" + whole(base) + "/"
            + std::string(kind) + "/" + std::string(dampingRatio) + "/");
        out.line("DYNRESP1 1/" + frequencyCase + "/" + whole(base) + "/1/");
    };
    out.line("---------Dynamic Response");
    responseTo(numbers.DynamicBase, "D");
    if (withZeroFrequency)
        responseTo(numbers.ZeroBase, "S");
}

DynamicRunKind waveFrequencyRun(const RunNumbers& numbers)
{
    return { "---run W=Wn", numbers.DynamicBase, "SW1", "SW2" };
}

DynamicRunKind zeroFrequencyRun(const RunNumbers& numbers)
{
    return { "---run W=0", numbers.ZeroBase, "S01", "S02" };
}

void writeDynamicRun(LineWriter& out, const RunSetup& setup, const WaveSlot& slot,
    const DynamicRunKind& kind, std::int16_t steps)
{
    const std::string first = whole(kind.base + 1);
    const std::string last = whole(kind.base + steps);
    out.line(kind.marker);
    out.line("LOADA C" + whole(kind.base) + std::string(loadaEnding(setup, slot)));
    out.line("OFRAME");
    out.line("POST6 " + first + "-" + last);
    if (setup.TubularJoints == 1) {
        out.line("FATIG1 " + setup.StressPointsText + "/" + first + "/" + last + "/"
            + setup.ScfCorrelationText + "/0/");
        out.line("FATIG2 " + first + "/" + last + "/" + std::string(kind.tubularLabel) + "/1/S/");
    }
    if (setup.MemberJoints == 1) {
        out.line("FATIG1S " + setup.StressPointsText + "/" + first + "/" + last + "/");
        out.line("FATIG2 " + first + "/" + last + "/" + std::string(kind.memberLabel) + "/2/S/");
    }
}

void writeStressRanges(LineWriter& out, const RunSetup& setup, const WaveSlot& slot,
    std::string_view tubularRuns, std::string_view memberRuns)
{
    const std::string waveAndDirection = whole(slot.wave) + "/" + whole(slot.direction);
    if (setup.TubularJoints == 1)
        out.line("FATSPEC2 " + std::string(tubularRuns) + waveAndDirection + "/J/");
    if (setup.MemberJoints == 1)
        out.line("FATSPEC2 " + std::string(memberRuns) + waveAndDirection + "/M/");
}

} // namespace quorin::writers
