#include "mainform/commandmodel.h"
#include "mainform/startup.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace quorin {
namespace {

using test::CommandModel;
using Answer = Prompter::Answer;

// A command that stops before writing: the message it shows, and which files
// exist afterwards. A refused box changes no run set-up value; missing wave
// data is found after the inputs are taken. Every box's refusal, with
// nothing written and no wave taken, is in the typed-input test; these are the
// paths around it and the whole wording of one.
TEST(Commands, StopBeforeWritingWithTheirMessage)
{
    const std::string box
        = "The box \"Output ID Number (Start)\" of \"Selective Assessments\" holds ";
    // Append or Create, the change, the start of the message shown, the files
    // in the model directory afterwards and the waves taken.
    const std::tuple<bool, void (*)(CommandModel&), std::string, std::size_t, int> cases[] = {
        { false,
            [](CommandModel& m) {
                m.dir.write("JKT.BRSF", "old");
                m.prompter = test::ScriptedPrompter({ Answer::No });
            },
            "Fatige Batch File Exist - Overwrite", 2, 0 },
        { false, [](CommandModel& m) { std::filesystem::remove(m.dir.file("JKT.WAV")); },
            "WAV Data does not exist", 0, 1 },
        { true, [](CommandModel& m) { std::filesystem::remove(m.dir.file("JKT.WAV")); },
            "WAV Data does not exist", 0, 1 },
        { true,
            [](CommandModel& m) {
                m.inputs.selectiveOutputId = "32766";
                m.inputs.selective.tubularJoints = true;
            },
            box + "\"32766\"", 1, 0 },
    };
    for (const auto& [append, change, message, files, wavesTaken] : cases) {
        SCOPED_TRACE(message);
        CommandModel m;
        change(m);
        EXPECT_FALSE(m.run(append).has_value());
        ASSERT_EQ(m.prompter.messages().size(), 1u);
        EXPECT_TRUE(m.prompter.messages()[0].text.starts_with(message))
            << m.prompter.messages()[0].text;
        EXPECT_EQ(m.dir.files().size(), files);
        EXPECT_EQ(m.setup.NoOfWaves, wavesTaken);
    }
}

TEST(CreateCommand, CountsPositiveHeightsAndCopiesRowsFromTheTop)
{
    CommandModel m("1.0\t5\t1\r0\t6\t1\r2,5\t7\t2\r\t\t\r-2\t8\t1\rabc\t8\t1");
    ASSERT_TRUE(m.run().has_value());
    const RunSetup& s = m.setup;
    EXPECT_EQ(std::tuple(s.NoOfWaves, s.WaveHeight[1], s.WaveHeight[2], s.WavePeriod[2]),
        std::tuple(2, 1.0f, 0.0f, 6.0f));
}

// "-" typed into "Frequency Case" makes a static run even with "Exclude Static
// Improvement" checked. The bytes of each kind of run, "-" with it unchecked
// and 50 with it checked or not, are in the end-to-end tests.
TEST(CreateCommand, TypedStaticFrequencyCaseWinsOverExclude)
{
    CommandModel m;
    m.inputs.frequencyCase = "-";
    m.inputs.excludeStaticImprovement = true;
    ASSERT_TRUE(m.run().has_value());
    const std::string batch = m.dir.read("JKT.BRSF");
    EXPECT_NE(batch.find("---run STATIC"), std::string::npos);
    EXPECT_EQ(batch.find("---run W="), std::string::npos);
}

TEST(CreateCommand, DirectionsAreResetFromTheOptionAndTheRestAccumulate)
{
    CommandModel m;
    m.inputs.directionOption = 1;
    m.inputs.startDirection = "10";
    ASSERT_TRUE(m.run().has_value());
    ASSERT_TRUE(m.run().has_value());
    const RunSetup& s = m.setup;
    EXPECT_EQ(std::tuple(s.NoOfDirections, s.DirAngle[1], s.DirAngle[2], s.DirAngle[3]),
        std::tuple(2, 10.0f, 100.0f, 20.0f));
    m.inputs.directionOption = 3;
    ASSERT_TRUE(m.run().has_value());
    EXPECT_EQ(
        std::tuple(s.NoOfDirections, s.DirAngle[3], s.DirAngle[5]), std::tuple(14, 190.0f, 30.0f));
}

TEST(Commands, ActiveFrameFillsTheSharedValues)
{
    CommandModel m;
    m.inputs.global = { true, "T", false, "F2", "1.5", "0.03", true };
    m.inputs.selective = { false, "T", true, "F2", "2.5", "0.04", false };
    m.inputs.groupOption = 0;
    m.inputs.groupSet = "7";
    const auto frame = [&m] {
        return std::tuple(m.setup.TubularJoints, m.setup.MemberJoints, m.setup.MemberScfText,
            m.setup.Thickness, m.setup.VMStress);
    };
    ASSERT_TRUE(m.run().has_value());
    EXPECT_EQ(frame(), std::tuple(1, 0, "1.5", 0.03f, 1));
    EXPECT_EQ(m.setup.NodeGroup, 0);
    EXPECT_EQ(m.setup.GroupSetNoText, "7");
    EXPECT_EQ(m.run(true), "Appended the selective assessment to JKT.BRSF");
    EXPECT_EQ(frame(), std::tuple(0, 1, "2.5", 0.04f, 0));
}

// What a command saves, the next start-up shows again: a worked example of
// inputs away from their defaults (the settings-file fuzz target checks it
// for every file start-up accepts, the end-to-end test the bytes).
TEST(Commands, SettingsFileRoundTripsThroughStartUp)
{
    CommandModel m("2.5\t7\t1\r10.25\t12.75\t2\r0.05\t0.75\t5");
    m.dir.write("model.NAM", m.dir.file("JKT") + ",x,y\r\n");
    // The assessment frames are not saved: start-up shows their defaults, kept here.
    m.inputs = { .batchFile = m.dir.file("JKT.BRSF"),
        .directionOption = 7,
        .spectrum = 2,
        .loadCaseStart = "7 0",
        .damping = "2.5",
        .excludeStaticImprovement = true,
        .startDirection = "-15",
        .scfCorrelation = "2",
        .stressPoints = "x",
        .waveSteps = "",
        .waterDepth = "95.5",
        .description = "" };
    ASSERT_TRUE(m.run(true).has_value());

    RunSetup again;
    GridModel grid(kWaveGridRows, kWaveGridCols);
    test::ScriptedPrompter quiet;
    const StartupDirectories model { m.dir.path(), m.dir.path(), std::nullopt };
    EXPECT_EQ(startUp(model, again, grid, quiet, '.').inputs, m.inputs);
    EXPECT_TRUE(quiet.messages().empty());
    grid.setSelectionEnd(3, 3);
    m.waves.setSelectionEnd(3, 3);
    EXPECT_EQ(grid.rangeText(), m.waves.rangeText());
}

} // namespace
} // namespace quorin
