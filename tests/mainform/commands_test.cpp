#include "mainform/commandmodel.h"
#include "mainform/startup.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace quorin {
namespace {

using test::CommandModel;

// Missing wave data is found after the inputs are taken, before any file is
// written. Each box's refusal, with its message, is in the typed-input test;
// the overwrite question and Append's missing wave data in the end-to-end tests.
TEST(Commands, MissingWaveDataStopsBeforeWriting)
{
    CommandModel m;
    std::filesystem::remove(m.dir.file("JKT.WAV"));
    EXPECT_FALSE(m.run().has_value());
    ASSERT_EQ(m.prompter.messages().size(), 1u);
    EXPECT_EQ(m.prompter.messages()[0].text, "WAV Data does not exist");
    EXPECT_EQ(std::tuple(m.dir.files().size(), m.setup.NoOfWaves), std::tuple(0u, 1));
}

// Create counts the rows with a positive height and copies rows from the top.
// "-" typed into "Frequency Case" makes a static run even with "Exclude Static
// Improvement" checked; the bytes of each kind of run, "-" with it unchecked
// and 50 with it checked or not, are in the end-to-end tests.
TEST(CreateCommand, TakesTheWaveRowsAndATypedStaticFrequencyCaseWinsOverExclude)
{
    CommandModel m("1.0\t5\t1\r0\t6\t1\r2,5\t7\t2\r\t\t\r-2\t8\t1\rabc\t8\t1");
    m.inputs.frequencyCase = "-";
    m.inputs.excludeStaticImprovement = true;
    ASSERT_TRUE(m.run().has_value());
    const RunSetup& s = m.setup;
    EXPECT_EQ(std::tuple(s.NoOfWaves, s.WaveHeight[1], s.WaveHeight[2], s.WavePeriod[2]),
        std::tuple(2, 1.0f, 0.0f, 6.0f));
    const std::string batch = m.dir.read("JKT.BRSF");
    EXPECT_TRUE(batch.contains("---run STATIC") && !batch.contains("---run W=")) << batch;
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
