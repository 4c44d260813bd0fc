#include "writers/waveblocks.h"

#include "common/numberforms.h"

#include <string>

namespace quorin::writers {

namespace {

// How the LOADA line ends: the first wave of the file, the last, or between.
std::string_view loadaEnding(const RunSetup& setup, const WaveSlot& slot, const std::string& file)
{
    if (slot.number == 1)
        return "/1/1/";
    if (slot.number == lastWaveNumber(setup, file))
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

void writeStaticRun(LineWriter& out, const RunSetup& setup, const WaveSlot& slot,
    std::int16_t steps, char decimalSymbol)
{
    const std::string& start = setup.LoadCaseStartText;
    out.line("---run STATIC");
    out.line("LOADA C" + start + std::string(loadaEnding(setup, slot, out.path())));
    out.line("OFRAME");
    const StaticCases cases = staticCasesOf(setup, steps, decimalSymbol, out.path());
    const std::string last = plainForm(cases.last, Precision::Double);
    out.line("POST6 " + plainForm(cases.first, Precision::Double) + "-" + last);
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

void writeDynamicResponse(LineWriter& out, const RunSetup& setup, const DynamicRun& run,
    bool withZeroFrequency, char decimalSymbol)
{
    const StaticCases cases = staticCasesOf(setup, run.steps, decimalSymbol, out.path());
    const std::string frequencyCase = trimmed(setup.FreqCaseText);
    const auto responseTo = [&](std::int16_t base, std::string_view kind) {
        out.line("FATSPEC1 " + setup.LoadCaseStartText + "/"
            + plainForm(cases.last, Precision::Double) + "/" + whole(base) + "/" + std::string(kind)
            + "/" + run.dampingRatio + "/");
        out.line("DYNRESP1 1/" + frequencyCase + "/" + whole(base) + "/1/");
    };
    out.line("---------Dynamic Response");
    responseTo(run.base, "D");
    if (withZeroFrequency)
        responseTo(run.zeroBase, "S");
}

DynamicRunKind waveFrequencyRun(const DynamicRun& run)
{
    return { "---run W=Wn", run.base, "SW1", "SW2" };
}

DynamicRunKind zeroFrequencyRun(const DynamicRun& run)
{
    return { "---run W=0", run.zeroBase, "S01", "S02" };
}

void writeDynamicRun(LineWriter& out, const RunSetup& setup, const WaveSlot& slot,
    const DynamicRunKind& kind, std::int16_t steps)
{
    const std::string first = whole(to16Bit(kind.base + 1LL, out.path(), "Load case"));
    const std::string last
        = whole(to16Bit(kind.base + static_cast<long long>(steps), out.path(), "Load case"));
    out.line(kind.marker);
    out.line("LOADA C" + whole(kind.base) + std::string(loadaEnding(setup, slot, out.path())));
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
