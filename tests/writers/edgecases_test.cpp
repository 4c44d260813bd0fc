#include "writerrun.h"

#include "common/textfile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace quorin::test {
namespace {

using Lines = std::vector<std::string>;

const std::string kCombine = "REM *******************COMBINE ALL DIRECTIONS";

// What a case is, its change to the inputs, the writer, then the file and the
// start of the lines compared in it, and those lines; with no file, the box
// the writer refuses before it opens any file.
using LineCase = std::tuple<const char*, std::function<void(WriterRun&)>, Writer, const char*,
    const char*, Lines>;

TEST(WriterLines, AsTheInputsGiveThem)
{
    const auto set = [](std::string RunSetup::*text, const char* value) {
        return [text, value](WriterRun& r) { r.setup.*text = value; };
    };
    const auto single = [](WriterRun& r) { r.setup.NoOfDirections = 1, r.setup.NoOfWaves = 1; };
    const auto shortPeriod = [](WriterRun& r) { r.wave(1, 9.5f, 0.75f, 1); };
    const auto start705 = [&](WriterRun& r) { single(r), r.setup.LoadCaseStartText = "70.5"; };
    const auto spaced = set(&RunSetup::LoadCaseStartText, " 70 ");
    const auto steps21 = set(&RunSetup::WaveStepsText, "21");
    const auto noSteps = set(&RunSetup::WaveStepsText, "0");
    const auto vm = [](WriterRun& r) { r.setup.VMStress = 1, r.setup.MemberJoints = 0; };
    const auto thin = [](WriterRun& r) { r.setup.Thickness = 0; };
    const auto spaces = [](WriterRun& r) {
        r.form.tubularCurve = " T ", r.form.memberCurve = " F2 ";
        r.setup.MemberScfText = " 1.0 ", r.setup.GroupSetNoText = " 10 ";
    };
    const auto comma = [](WriterRun& r) {
        r.decimal = ',', r.setup.DepthText = "113,3", r.setup.LoadCaseStartText = "70,4";
        r.setup.DampingText = "2.5";
    };
    const LineCase cases[] = {
        { "short period", shortPeriod, Writer::StaticOnly, "JKT.@F1", "WAVE,",
            { "WAVE,     9.5," + std::string(16, ' ') + ".75," + std::string(16, ' ') + "0" } },
        { "short period step", shortPeriod, Writer::StaticOnly, "JKT.BCWAVF1", "0,",
            { "0,.75,12" } },
        { "theory 5", [](WriterRun& r) { r.wave(1, 9.5f, 12, 5); }, Writer::StaticOnly, "JKT.@F1",
            "", { "WTH, 5", "Stokes V Order" } },
        { "theory 1", {}, Writer::StaticOnly, "JKT.@F2", "", { "WTH, 1", "Linear (Airy)" } },
        { "depth rewritten", set(&RunSetup::DepthText, " 12.345678900 "), Writer::StaticOnly,
            "JKT.@F1", "WDEPTH", { "WDEPTH, 12.3456789" } },
        { "start 71.5, halves to even", set(&RunSetup::LoadCaseStartText, "71.5"),
            Writer::DynamicOnly, "JKT.BRSF", "FATSPEC1",
            Lines(4, "FATSPEC1 71.5/82.5/92/D/0.05/") },
        { "start 70.5, halves to even", start705, Writer::DynamicStatic, "JKT.BRSF", "DYNRESP1",
            { "DYNRESP1 1/50/90/1/", "DYNRESP1 1/50/110/1/" } },
        { "start 70.5, static cases", start705, Writer::DynamicStatic, "JKT.C70.5", "",
            { " 12 ", "70     1 " } },
        { "one wave, one direction", single, Writer::DynamicStatic, "JKT.BRSF", "LOADA",
            { "LOADA C90/1/1/", "LOADA C110/1/1/", "LOADA C70/1/1/" } },
        { "3 waves in 2 directions", [](WriterRun& r) { r.setup.NoOfWaves = 3; },
            Writer::StaticOnly, "JKT.BRSF", "LOADA",
            { "LOADA C70/1/1/", "LOADA C70/1/2/", "LOADA C70/1/2/", "LOADA C70/1/2/",
                "LOADA C70/1/2/", "LOADA C70/1/0/" } },
        { "20 steps", [&](WriterRun& r) { single(r), r.setup.WaveStepsText = "20"; },
            Writer::DynamicStatic, "JKT.BRSF", "POST6",
            { "POST6 91-110", "POST6 111-130", "POST6 70-89" } },
        { "21 steps", [&](WriterRun& r) { single(r), steps21(r); }, Writer::DynamicStatic,
            "JKT.BRSF", "POST6", { "POST6 101-121", "POST6 131-151", "POST6 70-90" } },
        { "21 steps, combination", steps21, Writer::DynamicOnly, "JKT.C130", "",
            { " 21 ", "131     1 " } },
        { "start 70.6 rounds", set(&RunSetup::LoadCaseStartText, "70.6"), Writer::StaticOnly,
            "JKT.C70.6", "", { " 12 ", "71     1 " } },
        { "start with spaces", spaced, Writer::StaticOnly, "JKT.BRSF", "",
            { "---run STATIC", "LOADA C 70 /1/1/", "OFRAME", "POST6 70-81", "FATIG1 8/ 70 /81/4/0/",
                "FATIG2  70 /81/ST1/1/", "FATIG1S 8/ 70 /81/", "FATIG2  70 /81/ST2/2/" } },
        { "start with spaces, step", spaced, Writer::StaticOnly, "JKT.BCWAVF1", " 7", { " 70 " } },
        { "start with spaces, cases", spaced, Writer::StaticOnly, "JKT.C 70 ", "70",
            { "70     1 " } },
        { "frequency case with spaces", set(&RunSetup::FreqCaseText, "  50 "), Writer::DynamicOnly,
            "JKT.BRSF", "DYNRESP1", Lines(4, "DYNRESP1 1/50/90/1/") },
        { "damping 0", set(&RunSetup::DampingText, "no"), Writer::DynamicOnly, "JKT.BRSF",
            "FATSPEC1", Lines(4, "FATSPEC1 70/81/90/D/0/") },
        { "no wave steps", noSteps, Writer::StaticOnly, "JKT.C70", "",
            { " 0 ", "Spect Fatigue Static RUN Comb" } },
        { "no wave steps, POST6", noSteps, Writer::StaticOnly, "JKT.BRSF", "POST6",
            Lines(4, "POST6 70-69") },
        { "no waves", [](WriterRun& r) { r.setup.NoOfWaves = 0; }, Writer::DynamicStatic,
            "JKT.BRSF", "",
            { "REM *****", "REM *******************************END OF SOLUTION PHASE", "REM *****",
                "REM **********************************GLOBAL ASSESSMENTS", "FATSPEC3 1/0/2/1/T/",
                "FATSPEC3 2/0/2/1.0/F2/0.02/", kCombine, "FATIG4 S1/2/10000/200/1/",
                "FATIG4 S1/2/10000/201/2/" } },
        { "no joint boxes",
            [&](WriterRun& r) { single(r), r.setup.TubularJoints = 0, r.setup.MemberJoints = 0; },
            Writer::StaticOnly, "JKT.BRSF", "",
            { "REM ************************ DIRECTION    1   WAVE:  1  WAVE No: 1",
                "MFCOPY \"WAV\" \"WAVF1\"", "WAVELOAD WAVF1", "---run STATIC", "LOADA C70/1/1/",
                "OFRAME", "POST6 70-81", "---Stress ranges using static improvement", "REM *****",
                "REM *******************************END OF SOLUTION PHASE", "REM *****",
                "REM **********************************GLOBAL ASSESSMENTS", kCombine } },
        { "4 directions, 20 waves",
            [](WriterRun& r) {
                r.setup.NoOfDirections = 14, r.setup.NoOfWaves = 20, r.setup.VMStress = 1;
            },
            Writer::StaticOnly, "JKT.BRSF", "",
            { "REM **********************************GLOBAL ASSESSMENTS", "FATSPEC3 1/20/4/1/T/",
                "FATSPEC3 2/20/4/1.0/F2/0.02/", kCombine, "FATIG4 S1/4/10000/200/1/",
                "FATIG4 S1/4/10000/201/2/", "FATIG4 S1/4/10000/202/3/" } },
        { "4 sym, 20 waves, selective",
            [](WriterRun& r) {
                r.setup.NoOfDirections = 4, r.setup.NoOfWaves = 20, r.form.description = " LEGS ";
            },
            Writer::Append, "JKT.BRSF", "FAT",
            { "FATSPEC3 1/20/4/1/T/", "FATSPEC3 2/20/4/1.0/F2/0.02/10/1/",
                "FATIG4 S1/4/10000/205/1/10/1/1/LEGS/", "FATIG4 S1/4/10000/206/2/10/1/1/LEGS/" } },
        { "description of spaces", [](WriterRun& r) { r.form.description = "   "; }, Writer::Append,
            "JKT.BRSF", "FATIG4",
            { "FATIG4 S1/2/10000/205/1/10/1/1//", "FATIG4 S1/2/10000/206/2/10/1/1//" } },
        { "VM without member, global", vm, Writer::DynamicOnly, "JKT.BRSF", "FATIG4",
            { "FATIG4 S1/2/10000/200/1/" } },
        { "VM without member, selective", vm, Writer::Append, "JKT.BRSF", "",
            { std::string(103, '-'), "REM  T Curve: SET 10: Group 1: Result Case 205",
                std::string(103, '-'), "FATSPEC3 1/2/2/1/T/", kCombine,
                "FATIG4 S1/2/10000/205/1/10/1/1/" } },
        { "thickness 0, global", thin, Writer::StaticOnly, "JKT.BRSF", "FATSPEC3 2",
            { "FATSPEC3 2/2/2/1.0/F2/" } },
        { "thickness 0, selective", thin, Writer::Append, "JKT.BRSF", "",
            { std::string(103, '-'), "REM  T Curve: SET 10: Group 1: Result Case 205",
                "REM  SCF=1.0: F2 Curve  t=0: SET 10: Group 1: Result Case 205 & 206",
                std::string(103, '-'), "FATSPEC3 1/2/2/1/T/", "FATSPEC3 2/2/2/1.0/F2/0/10/1/",
                kCombine, "FATIG4 S1/2/10000/205/1/10/1/1/", "FATIG4 S1/2/10000/206/2/10/1/1/" } },
        { "curves and texts with spaces", spaces, Writer::StaticOnly, "JKT.BRSF", "FATSPEC3",
            { "FATSPEC3 1/2/2/1/ T /", "FATSPEC3 2/2/2/1.0/F2/0.02/" } },
        { "curves and texts with spaces, selective", spaces, Writer::Append, "JKT.BRSF", "",
            { "REM   T  Curve: SET 10: Group 1: Result Case 205",
                "REM  SCF=1.0:  F2  Curve  t=0.02: SET 10: Group 1: Result Case 205 & 206",
                std::string(103, '-'), "FATSPEC3 1/2/2/1/ T /",
                "FATSPEC3 2/2/2/1.0/F2/0.02/10/1/" } },
        { "global output id read leniently",
            [](WriterRun& r) { r.form.globalOutputId = " 300.5x"; }, Writer::StaticOnly, "JKT.BRSF",
            "FATIG4", { "FATIG4 S1/2/10000/300/1/", "FATIG4 S1/2/10000/301/2/" } },
        // A start with a fraction: FATSPEC1 and LOADA take it as typed, FATSPEC1's last
        // case and POST6 as a number written with a point. The damping ratio is the
        // percentage / 100 (the expected files have 5 %, 0.05).
        { "decimal comma", comma, Writer::DynamicStatic, "JKT.BRSF", "",
            { "FATSPEC1 70,4/81.4/90/D/0,025/", "DYNRESP1 1/50/90/1/",
                "FATSPEC1 70,4/81.4/110/S/0,025/" } },
        { "decimal comma, static run", comma, Writer::StaticOnly, "JKT.BRSF", "",
            { "LOADA C70,4/1/1/", "OFRAME", "POST6 70.4-81.4" } },
        // Refusals of the static, the dynamic and the appending writer; which numbers are
        // refused is in the run numbers tests.
        { "depth not a number", set(&RunSetup::DepthText, "abc"), Writer::StaticOnly, nullptr, "",
            { "txtDEPTH" } },
        { "zero steps, the last W=0 case beyond 16 bits",
            [&](WriterRun& r) { noSteps(r), r.setup.LoadCaseStartText = "32727"; },
            Writer::DynamicStatic, nullptr, "", { "txtSTART(0)" } },
        { "selective output id beyond 16 bits", [](WriterRun& r) { r.setup.OutputIdStart = 32767; },
            Writer::Append, nullptr, "", { "txtSTART(3)" } },
    };
    for (const auto& [name, change, writer, file, prefix, expected] : cases) {
        SCOPED_TRACE(name);
        WriterRun run;
        if (change)
            change(run);
        const auto result = run.write(writer);
        if (!file) {
            ASSERT_FALSE(result.has_value());
            EXPECT_EQ(Lines { result.error().field }, expected);
            EXPECT_FALSE(
                fileExists(run.dir.file("JKT.@F1")) || fileExists(run.setup.BatchFileName));
            continue;
        }
        EXPECT_TRUE(result.has_value());
        const Lines got = run.linesStarting(file, prefix);
        if (prefix[0] != '\0' || expected.size() == got.size()) {
            EXPECT_EQ(got, expected);
        } else { // a run of consecutive lines somewhere in the file
            const bool found = std::search(got.begin(), got.end(), expected.begin(), expected.end())
                != got.end();
            EXPECT_TRUE(found) << testing::PrintToString(got);
        }
    }
}

} // namespace
} // namespace quorin::test
