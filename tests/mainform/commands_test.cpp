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

struct Model {
    TempDir dir;
    ScriptedPrompter prompter;
    DiskFiles files;
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
    Result<std::string> create()
    {
        return createCommand(inputs, waves, setup, { prompter, files, clock, decimal });
    }
    Result<std::string> append()
    {
        return appendCommand(inputs, waves, setup, { prompter, files, clock, decimal });
    }
    std::size_t fileCount() const
    {
        return static_cast<std::size_t>(
            std::distance(std::filesystem::directory_iterator(dir.path()),
                std::filesystem::directory_iterator()));
    }
};

// A command that stops before writing: the message it shows, and which files
// exist afterwards. A refused box changes no run set-up value; missing wave
// data is found after the inputs are taken.
TEST(Commands, StopBeforeWritingWithTheirMessage)
{
    struct Case {
        bool append;
        void (*change)(Model&);
        const char* message; // the start of the message shown
        std::size_t files; // in the model directory afterwards
        int wavesTaken;
    };
    const Case cases[] = {
        { false,
            [](Model& m) {
                m.dir.write("JKT.BRSF", "old");
                m.prompter = ScriptedPrompter({ Answer::No });
            },
            "Fatige Batch File Exist - Overwrite", 2, 0 },
        { false, [](Model& m) { std::filesystem::remove(m.dir.file("JKT.WAV")); },
            "WAV Data does not exist", 0, 1 },
        { true, [](Model& m) { std::filesystem::remove(m.dir.file("JKT.WAV")); },
            "WAV Data does not exist", 0, 1 },
        { false, [](Model& m) { m.inputs.selectiveOutputId = "abc"; },
            "The box \"Output ID Number (Start)\" of \"Selective Assessments\" holds \"abc\"", 1,
            0 },
        { true, [](Model& m) { m.inputs.selectiveOutputId = "40000"; },
            "The box \"Output ID Number (Start)\"", 1, 0 },
        { true,
            [](Model& m) {
                m.inputs.selectiveOutputId = "32766";
                m.inputs.selective.tubularJoints = true;
            },
            "The box \"Output ID Number (Start)\" of \"Selective Assessments\" holds \"32766\"", 1,
            0 },
        { false, [](Model& m) { m.inputs.startDirection = "ten"; },
            "The box \"Start Direction (Deg)\"", 1, 0 },
        { true, [](Model& m) { m.inputs.waterDepth = "113,3"; }, "The box \"Water Depth\"", 1, 0 },
        { false, [](Model& m) { m.inputs.global.thickness = "0.02m"; },
            "The box \"Thickness\" of \"Global Assessments\"", 1, 0 },
        { true, [](Model& m) { m.inputs.selective.thickness = ""; },
            "The box \"Thickness\" of \"Selective Assessments\"", 1, 0 },
        { false, [](Model& m) { m.inputs.loadCaseStart = "32740"; },
            "The box \"Load Case (Start)\"", 1, 0 },
        { false, [](Model& m) { m.inputs.waveSteps = "99999"; }, "The box \"No of Wave Steps\"", 1,
            0 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        Model m;
        m.wave(1, "2.5", "7", "1");
        c.change(m);
        EXPECT_FALSE((c.append ? m.append() : m.create()).has_value());
        ASSERT_EQ(m.prompter.messages().size(), 1u);
        EXPECT_TRUE(m.prompter.messages()[0].text.starts_with(c.message))
            << m.prompter.messages()[0].text;
        EXPECT_EQ(m.fileCount(), c.files);
        EXPECT_EQ(m.setup.NoOfWaves, c.wavesTaken);
    }
}

TEST(CreateCommand, CountsPositiveHeightsAndCopiesRowsFromTheTop)
{
    Model m;
    m.wave(1, "1.0", "5", "1");
    m.wave(2, "0", "6", "1");
    m.wave(3, "2,5", "7", "2");
    m.wave(5, "-2", "8", "1");
    m.wave(6, "abc", "8", "1");
    ASSERT_TRUE(m.create().has_value());
    EXPECT_EQ(m.setup.NoOfWaves, 2);
    EXPECT_EQ(m.setup.WaveHeight[1], 1.0f);
    EXPECT_EQ(m.setup.WaveHeight[2], 0.0f);
    EXPECT_EQ(m.setup.WavePeriod[2], 6.0f);
}

// "-" typed into "Frequency Case" makes a static run whatever "Exclude Static
// Improvement" holds; otherwise the box chooses between the dynamic writers.
// "-" typed into "Frequency Case" makes a static run whatever "Exclude Static
// Improvement" holds; otherwise that box chooses between the dynamic writers.
TEST(CreateCommand, FrequencyCaseAndExcludeChooseTheWriter)
{
    for (const bool typedStatic : { true, false }) {
        Model m;
        m.wave(1, "2.5", "7", "1");
        m.inputs.frequencyCase = typedStatic ? "-" : "50";
        m.inputs.excludeStaticImprovement = true;
        ASSERT_TRUE(m.create().has_value());
        const std::string batch = m.dir.read("JKT.BRSF");
        EXPECT_EQ(batch.find("---run STATIC") != std::string::npos, typedStatic);
        EXPECT_EQ(batch.find("---run W=Wn") != std::string::npos, !typedStatic);
        EXPECT_EQ(batch.find("---run W=0"), std::string::npos);
        EXPECT_EQ(std::filesystem::exists(m.dir.file("JKT.C110")), !typedStatic);
    }
}

TEST(CreateCommand, DirectionsAreResetFromTheOptionAndTheRestAccumulate)
{
    Model m;
    m.wave(1, "2.5", "7", "1");
    m.inputs.directionOption = 1;
    m.inputs.startDirection = "10";
    ASSERT_TRUE(m.create().has_value());
    ASSERT_TRUE(m.create().has_value());
    EXPECT_EQ(m.setup.NoOfDirections, 2);
    EXPECT_EQ(m.setup.DirAngle[1], 10.0f);
    EXPECT_EQ(m.setup.DirAngle[2], 100.0f);
    EXPECT_EQ(m.setup.DirAngle[3], 20.0f);
    m.inputs.directionOption = 3;
    ASSERT_TRUE(m.create().has_value());
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
    m.inputs.groupOption = 0;
    m.inputs.groupSet = "7";
    ASSERT_TRUE(m.create().has_value());
    EXPECT_EQ(m.setup.TubularJoints, 1);
    EXPECT_EQ(m.setup.MemberJoints, 0);
    EXPECT_EQ(m.setup.MemberScfText, "1.5");
    EXPECT_EQ(m.setup.Thickness, 0.03f);
    EXPECT_EQ(m.setup.VMStress, 1);
    EXPECT_EQ(m.setup.NodeGroup, 0);
    EXPECT_EQ(m.setup.GroupSetNoText, "7");
    const auto appended = m.append();
    ASSERT_TRUE(appended.has_value());
    EXPECT_EQ(*appended, "Appended the selective assessment to JKT.BRSF");
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
        const auto outcome = m.append();
        ASSERT_TRUE(outcome.has_value()) << outcome.error().message;

        RunSetup again;
        GridModel grid(kWaveGridRows, kWaveGridCols);
        ScriptedPrompter quiet;
        MainInputs restored
            = startUp({ m.dir.path(), m.dir.path(), std::nullopt }, again, grid, quiet, '.').inputs;
        EXPECT_TRUE(quiet.messages().empty());
        MainInputs expected = m.inputs;
        expected.batchFile = m.dir.file("JKT") + ".BRSF";
        // The assessment frames are not saved: they start at their defaults.
        const MainInputs defaults;
        expected.global = defaults.global;
        expected.selective = defaults.selective;
        expected.globalOutputId = defaults.globalOutputId;
        expected.groupOption = defaults.groupOption;
        EXPECT_EQ(restored, expected) << c.start;
        for (int r = 1; r <= 3; ++r)
            for (int col = 1; col <= 3; ++col)
                EXPECT_EQ(grid.text(r, col), m.waves.text(r, col)) << r << "," << col;
    }
}

} // namespace
} // namespace quorin
