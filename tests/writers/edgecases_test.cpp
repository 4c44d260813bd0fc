#include "writerrun.h"

#include "common/textfile.h"

#include <gtest/gtest.h>

#include <functional>

namespace quorin::test {
namespace {

using Lines = std::vector<std::string>;

// What a case is, its change to the inputs, the writer, then the file and the
// start of the lines compared in it ("": the lines given, found in this order;
// nullptr: every line), and those lines; with no file, the box the writer
// refuses before it opens any file. The standard runs are the end-to-end
// expected files.
using LineCase = std::tuple<const char*, std::function<void(WriterRun&)>, Writer, const char*,
    const char*, Lines>;

TEST(WriterLines, AsTheInputsGiveThem)
{
    const auto set = [](std::string RunSetup::*text, const char* value) {
        return [text, value](WriterRun& r) { r.setup.*text = value; };
    };
    const auto start705 = set(&RunSetup::LoadCaseStartText, "70.5");
    const auto spaced = set(&RunSetup::LoadCaseStartText, " 70 ");
    const auto noSteps = set(&RunSetup::WaveStepsText, "0");
    const auto spaces = [](WriterRun& r) {
        r.form.tubularCurve = " T ", r.form.memberCurve = " F2 ", r.form.description = "   ";
        r.setup.MemberScfText = " 1.0 ", r.setup.GroupSetNoText = " 10 ", r.setup.Thickness = 0;
    };
    const LineCase cases[] = {
        { "Airy wave, depth rewritten", set(&RunSetup::DepthText, " 12.345678900 "),
            Writer::StaticOnly, "JKT.@F2", "",
            { "WDEPTH, 12.3456789", "WTH, 1", "Linear (Airy)" } },
        // The first case rounds halves to even; the static combination file is named as typed.
        { "start 70.5", start705, Writer::DynamicStatic, "JKT.BRSF", "",
            { "DYNRESP1 1/50/90/1/", "DYNRESP1 1/50/110/1/" } },
        { "start 70.5, static cases", start705, Writer::DynamicStatic, "JKT.C70.5", "",
            { " 12 ", "70     1 " } },
        { "one wave, one direction",
            [](WriterRun& r) { r.setup.NoOfDirections = 1, r.setup.NoOfWaves = 1; },
            Writer::DynamicStatic, "JKT.BRSF", "LOADA",
            { "LOADA C90/1/1/", "LOADA C110/1/1/", "LOADA C70/1/1/" } },
        // Beyond 20 steps the dynamic cases lie 30 and 60 past the start, not 20 and 40.
        { "20 steps", set(&RunSetup::WaveStepsText, "20"), Writer::DynamicStatic, "JKT.BRSF", "",
            { "POST6 91-110", "POST6 111-130", "POST6 70-89" } },
        { "21 steps", set(&RunSetup::WaveStepsText, "21"), Writer::DynamicStatic, "JKT.BRSF", "",
            { "POST6 101-121", "POST6 131-151", "POST6 70-90" } },
        { "start with spaces", spaced, Writer::StaticOnly, "JKT.BRSF", "",
            { "LOADA C 70 /1/1/", "POST6 70-81", "FATIG1 8/ 70 /81/4/0/",
                "FATIG2  70 /81/ST1/1/" } },
        { "start with spaces, step", spaced, Writer::StaticOnly, "JKT.BCWAVF1", " 7", { " 70 " } },
        { "frequency case with spaces, damping no number",
            [](WriterRun& r) { r.setup.FreqCaseText = "  50 ", r.setup.DampingText = "no"; },
            Writer::DynamicOnly, "JKT.BRSF", "",
            { "FATSPEC1 70/81/90/D/0/", "DYNRESP1 1/50/90/1/" } },
        { "no wave steps", noSteps, Writer::StaticOnly, "JKT.C70", nullptr,
            { " 0 ", "Spect Fatigue Static RUN Comb" } },
        { "no wave steps, POST6", noSteps, Writer::StaticOnly, "JKT.BRSF", "POST6",
            Lines(4, "POST6 70-69") },
        { "no waves", [](WriterRun& r) { r.setup.NoOfWaves = 0; }, Writer::DynamicStatic,
            "JKT.BRSF", "FAT",
            { "FATSPEC3 1/0/2/1/T/", "FATSPEC3 2/0/2/1.0/F2/0.02/", "FATIG4 S1/2/10000/200/1/",
                "FATIG4 S1/2/10000/201/2/" } },
        { "no joint boxes",
            [](WriterRun& r) { r.setup.TubularJoints = 0, r.setup.MemberJoints = 0; },
            Writer::StaticOnly, "JKT.BRSF", "FAT", {} },
        { "direction code 14, global output id read leniently",
            [](WriterRun& r) { r.setup.NoOfDirections = 14, r.form.globalOutputId = " 300.5x"; },
            Writer::StaticOnly, "JKT.BRSF", "FATIG4",
            { "FATIG4 S1/4/10000/300/1/", "FATIG4 S1/4/10000/301/2/" } },
        { "VM without member", [](WriterRun& r) { r.setup.VMStress = 1, r.setup.MemberJoints = 0; },
            Writer::DynamicOnly, "JKT.BRSF", "FATIG4", { "FATIG4 S1/2/10000/200/1/" } },
        // Curves, texts and a description of spaces, and a thickness of 0.
        { "spaces", spaces, Writer::StaticOnly, "JKT.BRSF", "FATSPEC3",
            { "FATSPEC3 1/2/2/1/ T /", "FATSPEC3 2/2/2/1.0/F2/" } },
        { "spaces, selective", spaces, Writer::Append, "JKT.BRSF", "",
            { "REM   T  Curve: SET 10: Group 1: Result Case 205",
                "REM  SCF=1.0:  F2  Curve  t=0: SET 10: Group 1: Result Case 205 & 206",
                "FATSPEC3 2/2/2/1.0/F2/0/10/1/", "FATIG4 S1/2/10000/205/1/10/1/1//",
                "FATIG4 S1/2/10000/206/2/10/1/1//" } },
        // A start with a fraction: FATSPEC1 and LOADA take it as typed, FATSPEC1's last
        // case and POST6 as a number written with a point.
        { "decimal comma",
            [](WriterRun& r) {
                r.decimal = ',', r.setup.DepthText = "113,3", r.setup.LoadCaseStartText = "70,4";
                r.setup.DampingText = "2.5";
            },
            Writer::DynamicStatic, "JKT.BRSF", "",
            { "FATSPEC1 70,4/81.4/90/D/0,025/", "FATSPEC1 70,4/81.4/110/S/0,025/",
                "LOADA C70,4/1/1/", "POST6 70.4-81.4" } },
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
        const Lines got = run.linesStarting(file, prefix ? prefix : "");
        if (!prefix || *prefix) {
            EXPECT_EQ(got, expected);
            continue;
        }
        std::size_t found = 0; // the expected lines found in order
        for (const std::string& line : got)
            found += found < expected.size() && line == expected[found];
        EXPECT_EQ(found, expected.size()) << testing::PrintToString(got);
    }
}

} // namespace
} // namespace quorin::test
