#include "mainform/commands.h"

#include "mainform/startup.h"
#include "support/scripted.h"
#include "support/tempdir.h"
#include "wavetable/wavegrid.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace quorin {
namespace {

using test::ScriptedPrompter;
using test::TempDir;
using Answer = Prompter::Answer;
using Status = CommandOutcome::Status;

struct Model {
    TempDir dir;
    ScriptedPrompter prompter;
    test::FixedClock clock;
    RunSetup setup;
    GridModel waves { kWaveGridRows, kWaveGridCols };
    MainInputs inputs;
    char decimal = '.';

    Model()
    {
        dir.write("JKT.WAV", "");
        setup.ModelName = dir.file("JKT");
        setup.SpectrumType = "3";
        GridSetUp(waves);
        inputs.batchFile = dir.file("JKT.BRSF");
    }
    void wave(int row, const char* h, const char* t, const char* theory)
    {
        waves.setText(row, 1, h);
        waves.setText(row, 2, t);
        waves.setText(row, 3, theory);
    }
    CommandOutcome create()
    {
        return CreateCommand(inputs, waves, setup, { prompter, clock, decimal });
    }
    CommandOutcome append()
    {
        return AppendCommand(inputs, waves, setup, { prompter, clock, decimal });
    }
    std::size_t fileCount() const
    {
        return static_cast<std::size_t>(
            std::distance(std::filesystem::directory_iterator(dir.path()),
                std::filesystem::directory_iterator()));
    }
};

TEST(CreateCommand, SettingsFileOfTheExampleIsWrittenByteForByte)
{
    Model m;
    m.wave(1, "2.5", "7", "1");
    ASSERT_EQ(m.create().status, Status::Done);
    EXPECT_EQ(m.dir.read("JKT.DFS"),
        " 14 \r\n 0\r\n 1 \r\n 2.5           7             1\r\n12\r\n70\r\n 113.3\r\n8\r\n"
        " 0 \r\n3\r\nSpare\r\nSpare\r\nSpare\r\n50\r\n5\r\nSpare\r\nSpare\r\n4\r\n");
}

TEST(CreateCommand, NoToOverwriteChangesNothing)
{
    Model m;
    m.wave(1, "2.5", "7", "1");
    m.dir.write("JKT.BRSF", "old");
    m.prompter = ScriptedPrompter({ Answer::No });
    const RunSetup before = m.setup;
    EXPECT_EQ(m.create().status, Status::Stopped);
    ASSERT_EQ(m.prompter.messages().size(), 1u);
    EXPECT_EQ(m.prompter.messages()[0].text, "Fatige Batch File Exist - Overwrite");
    EXPECT_EQ(m.prompter.messages()[0].buttons, Prompter::Buttons::YesNo);
    EXPECT_EQ(m.dir.read("JKT.BRSF"), "old");
    EXPECT_EQ(m.fileCount(), 2u);
    EXPECT_EQ(m.setup.BatchFileName, before.BatchFileName);
    EXPECT_EQ(m.setup.NoOfWaves, before.NoOfWaves);
}

TEST(Commands, MissingWaveDataWritesNothing)
{
    for (const bool append : { false, true }) {
        Model m;
        std::filesystem::remove(m.dir.file("JKT.WAV"));
        m.wave(1, "2.5", "7", "1");
        EXPECT_EQ((append ? m.append() : m.create()).status, Status::Stopped);
        ASSERT_EQ(m.prompter.messages().size(), 1u);
        EXPECT_EQ(m.prompter.messages()[0].text, "WAV Data does not exist");
        EXPECT_EQ(m.prompter.messages()[0].buttons, Prompter::Buttons::Ok);
        EXPECT_EQ(m.fileCount(), 0u);
        EXPECT_EQ(m.setup.NoOfWaves, 1) << "the wave count is taken before the test";
    }
}

TEST(Commands, FieldsThatFailTheirCheckAreNamedAndNothingIsWritten)
{
    struct Case {
        bool append;
        void (*change)(MainInputs&);
        const char* named;
    };
    const Case cases[] = {
        { false, [](MainInputs& in) { in.selectiveOutputId = "abc"; },
            "\"Output ID Number (Start)\" of \"Selective Assessments\"" },
        { true, [](MainInputs& in) { in.selectiveOutputId = "40000"; },
            "\"Output ID Number (Start)\" of \"Selective Assessments\"" },
        { true,
            [](MainInputs& in) {
                in.selectiveOutputId = "32766";
                in.selective.tubularJoints = true;
            },
            "\"Output ID Number (Start)\"" },
        { false, [](MainInputs& in) { in.startDirection = "ten"; }, "\"Start Direction (Deg)\"" },
        { true, [](MainInputs& in) { in.waterDepth = "113,3"; }, "\"Water Depth\"" },
        { false, [](MainInputs& in) { in.global.thickness = "0.02m"; },
            "\"Thickness\" of \"Global Assessments\"" },
        { true, [](MainInputs& in) { in.selective.thickness = ""; },
            "\"Thickness\" of \"Selective Assessments\"" },
        { false, [](MainInputs& in) { in.loadCaseStart = "7O"; }, "\"Load Case (Start)\"" },
        { false, [](MainInputs& in) { in.loadCaseStart = "32760"; }, "\"Load Case (Start)\"" },
        { false, [](MainInputs& in) { in.loadCaseStart = "32740"; }, "\"Load Case (Start)\"" },
        { false, [](MainInputs& in) { in.waveSteps = "99999"; }, "\"No of Wave Steps\"" },
        { false, [](MainInputs& in) { in.globalOutputId = "2147483647"; },
            "\"Output ID Number (Start)\" of \"Global Assessments\"" },
    };
    for (const Case& c : cases) {
        Model m;
        m.wave(1, "2.5", "7", "1");
        c.change(m.inputs);
        EXPECT_EQ((c.append ? m.append() : m.create()).status, Status::Stopped) << c.named;
        ASSERT_EQ(m.prompter.messages().size(), 1u) << c.named;
        EXPECT_NE(m.prompter.messages()[0].text.find(c.named), std::string::npos)
            << m.prompter.messages()[0].text;
        EXPECT_EQ(m.prompter.messages()[0].icon, Prompter::Icon::Critical);
        EXPECT_EQ(m.fileCount(), 1u) << c.named;
        EXPECT_EQ(m.setup.NoOfWaves, 0) << c.named;
    }
}

TEST(CreateCommand, StaticOnlyLoadCaseNearTheTopIsAccepted)
{
    Model m;
    m.wave(1, "2.5", "7", "1");
    m.inputs.frequencyCase = "-";
    m.inputs.loadCaseStart = "32740";
    EXPECT_EQ(m.create().status, Status::Done) << "static runs use no dynamic case numbers";
}

TEST(CreateCommand, CountsPositiveHeightsAndCopiesRowsFromTheTop)
{
    Model m;
    m.wave(1, "1.0", "5", "1");
    m.wave(2, "0", "6", "1");
    m.wave(3, "2,5", "7", "2");
    m.wave(5, "-2", "8", "1");
    m.wave(6, "abc", "8", "1");
    ASSERT_EQ(m.create().status, Status::Done);
    EXPECT_EQ(m.setup.NoOfWaves, 2);
    EXPECT_EQ(m.setup.WaveHeight[1], 1.0f);
    EXPECT_EQ(m.setup.WaveHeight[2], 0.0f);
    EXPECT_EQ(m.setup.WavePeriod[2], 6.0f);
}

TEST(CreateCommand, FrequencyCaseAndExcludeChooseTheWriter)
{
    struct Case {
        const char* frequencyCase;
        bool exclude;
        const char* present;
        const char* absent;
        int combinationFiles;
    };
    const Case cases[] = {
        { "-", false, "---run STATIC", "Dynamic Response", 1 },
        { "-", true, "---run STATIC", "Dynamic Response", 1 },
        { "50", true, "---run W=Wn", "---run STATIC", 3 },
        { "50", false, "---run W=0", "no such line", 3 },
    };
    for (const Case& c : cases) {
        Model m;
        m.wave(1, "2.5", "7", "1");
        m.inputs.frequencyCase = c.frequencyCase;
        m.inputs.excludeStaticImprovement = c.exclude;
        const CommandOutcome outcome = m.create();
        ASSERT_EQ(outcome.status, Status::Done);
        const std::string batch = m.dir.read("JKT.BRSF");
        EXPECT_NE(batch.find(c.present), std::string::npos) << c.frequencyCase << c.exclude;
        EXPECT_EQ(batch.find(c.absent), std::string::npos) << c.frequencyCase << c.exclude;
        EXPECT_EQ(outcome.report,
            "Wrote 4 load data files, 4 wave step files, " + std::to_string(c.combinationFiles)
                + (c.combinationFiles == 1 ? " combination file" : " combination files")
                + " and JKT.BRSF");
    }
}

TEST(CreateCommand, DirectionsAreResetFromTheOptionAndTheRestAccumulate)
{
    Model m;
    m.wave(1, "2.5", "7", "1");
    m.inputs.directionOption = 1;
    m.inputs.startDirection = "10";
    ASSERT_EQ(m.create().status, Status::Done);
    ASSERT_EQ(m.create().status, Status::Done);
    EXPECT_EQ(m.setup.NoOfDirections, 2);
    EXPECT_EQ(m.setup.DirAngle[1], 10.0f);
    EXPECT_EQ(m.setup.DirAngle[2], 100.0f);
    EXPECT_EQ(m.setup.DirAngle[3], 20.0f);
    m.inputs.directionOption = 3;
    ASSERT_EQ(m.create().status, Status::Done);
    EXPECT_EQ(m.setup.NoOfDirections, 14);
    EXPECT_EQ(m.setup.DirAngle[3], 190.0f);
    EXPECT_EQ(m.setup.DirAngle[5], 30.0f);
}

TEST(Commands, ActiveFrameFillsTheSharedValues)
{
    Model m;
    m.wave(1, "2.5", "7", "1");
    m.inputs.global = { true, "T", false, "F2", "1.5", "0.03", true };
    m.inputs.selective = { false, "T", true, "F2", "2.5", "0.04", false };
    m.inputs.elementGroup = true;
    m.inputs.groupSet = "7";
    ASSERT_EQ(m.create().status, Status::Done);
    EXPECT_EQ(m.setup.TubularJoints, 1);
    EXPECT_EQ(m.setup.MemberJoints, 0);
    EXPECT_EQ(m.setup.MemberScfText, "1.5");
    EXPECT_EQ(m.setup.Thickness, 0.03f);
    EXPECT_EQ(m.setup.VMStress, 1);
    EXPECT_EQ(m.setup.NodeGroup, 0);
    EXPECT_EQ(m.setup.GroupSetNoText, "7");
    const CommandOutcome appended = m.append();
    ASSERT_EQ(appended.status, Status::Done);
    EXPECT_EQ(appended.report, "Appended the selective assessment to JKT.BRSF");
    EXPECT_EQ(m.setup.TubularJoints, 0);
    EXPECT_EQ(m.setup.MemberJoints, 1);
    EXPECT_EQ(m.setup.MemberScfText, "2.5");
    EXPECT_EQ(m.setup.Thickness, 0.04f);
    EXPECT_EQ(m.setup.VMStress, 0);
}

// What a command saves, the next start-up shows again.
TEST(Commands, SettingsFileRoundTripsThroughStartUp)
{
    struct Case {
        int direction;
        const char* start;
        bool staticOnly;
        bool exclude;
        int spectrum;
        const char* texts[4]; // wave steps, load case start, stress points, damping
    };
    const Case cases[] = {
        { 3, "0", false, false, 3, { "12", "70", "8", "5" } },
        { 0, "22.5", true, false, 1, { "20", "100", "4", "2.5" } },
        { 7, "-15", false, true, 2, { "21", "70.4", "12", "0" } },
        { 4, "0.25", false, false, 3, { "", "7 0", "x", "" } },
    };
    for (const Case& c : cases) {
        Model m;
        m.dir.write("model.NAM", m.dir.file("JKT") + ",x,y\r\n");
        m.wave(1, "2.5", "7", "1");
        m.wave(2, "10.25", "12.75", "2");
        m.wave(3, "0.05", "0.75", "5");
        m.inputs.directionOption = c.direction;
        m.inputs.startDirection = c.start;
        m.inputs.staticOnly = c.staticOnly;
        m.inputs.frequencyCase = c.staticOnly ? "-" : "50";
        m.inputs.excludeStaticImprovement = c.exclude;
        m.inputs.spectrum = c.spectrum;
        m.inputs.waveSteps = c.texts[0];
        m.inputs.loadCaseStart = c.texts[1];
        m.inputs.stressPoints = c.texts[2];
        m.inputs.damping = c.texts[3];
        m.inputs.waterDepth = "95.5";
        m.inputs.scfCorrelation = "2";
        const CommandOutcome outcome = m.append();
        ASSERT_EQ(outcome.status, Status::Done) << outcome.report;

        RunSetup again;
        GridModel grid(kWaveGridRows, kWaveGridCols);
        ScriptedPrompter quiet;
        MainInputs restored
            = StartUp({ m.dir.path(), m.dir.path(), std::nullopt }, again, grid, quiet, '.').inputs;
        EXPECT_TRUE(quiet.messages().empty());
        MainInputs expected = m.inputs;
        expected.batchFile = m.dir.file("JKT") + ".BRSF";
        // The assessment frames are not saved: they start at their defaults.
        const MainInputs defaults;
        expected.global = defaults.global;
        expected.selective = defaults.selective;
        expected.globalOutputId = defaults.globalOutputId;
        expected.elementGroup = defaults.elementGroup;
        EXPECT_EQ(restored, expected) << c.start;
        for (int r = 1; r <= 3; ++r)
            for (int col = 1; col <= 3; ++col)
                EXPECT_EQ(grid.text(r, col), m.waves.text(r, col)) << r << "," << col;
    }
}

} // namespace
} // namespace quorin
