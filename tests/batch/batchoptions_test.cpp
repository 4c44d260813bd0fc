#include "batch/batchoptions.h"

#include "support/tempdir.h"
#include "wavetable/wavegrid.h"

#include <gtest/gtest.h>

namespace quorin {
namespace {

std::optional<BatchOptions> Parse(std::vector<std::string> args, std::string* problem = nullptr)
{
    std::string ignored;
    return ParseBatchOptions(args, problem ? *problem : ignored);
}

TEST(BatchOptions, UsageErrorsAreRefusedWithTheirReason)
{
    const std::pair<std::vector<std::string>, const char*> cases[] = {
        { {}, "no command" },
        { { "make" }, "unknown command 'make'" },
        { { "create", "append" }, "unexpected argument 'append'" },
        { { "create", "--colour", "red" }, "unknown option --colour" },
        { { "create", "--no-description" }, "unknown option --no-description" },
        { { "create", "--directions", "5" }, "--directions takes 1|2|3|4|4sym|6|8|12, not '5'" },
        { { "create", "--spectrum", "0" }, "--spectrum takes 1|2|3" },
        { { "create", "--global-tubular", "yes" }, "--global-tubular takes on|off" },
        { { "create", "--group-by", "nodes" }, "--group-by takes node|element" },
        { { "create", "--water-depth" }, "--water-depth needs a value" },
        { { "create", "--static-only=yes" }, "--static-only takes no value" },
        { { "create", "--description", std::string(31, 'x') }, "more than 30 characters" },
        { { "create", "--default-waves", "20,3,22,22" }, "not available" },
        { { "scatter", "1" }, "not available" },
    };
    for (const auto& [args, reason] : cases) {
        std::string problem;
        EXPECT_FALSE(Parse(args, &problem)) << reason;
        EXPECT_NE(problem.find(reason), std::string::npos) << problem;
    }
}

TEST(BatchOptions, TextsAreTakenExactlyAsGiven)
{
    const auto options = Parse({ "append", "--frequency-case", "-", "--description",
        std::string(30, 'x'), "--group-no= 7,5 ", "--overwrite", "--model", "/m/JKT" });
    ASSERT_TRUE(options);
    EXPECT_EQ(options->command, BatchOptions::Command::Append);
    EXPECT_EQ(options->values.at("frequency-case"), "-");
    EXPECT_EQ(options->values.at("group-no"), " 7,5 ");
    EXPECT_TRUE(options->overwrite);
    EXPECT_EQ(options->model, "/m/JKT");
}

TEST(BatchOptions, InputsApplyInTableOrderNotCommandLineOrder)
{
    // The frequency case comes after the static-only click whatever the order given.
    const auto options = Parse({ "create", "--frequency-case", "60", "--static-only",
        "--exclude-static-improvement", "--spectrum", "1", "--directions", "4sym",
        "--global-tubular", "off", "--selective-vm-stress", "on", "--group-by", "element" });
    ASSERT_TRUE(options);
    MainInputs inputs;
    RunSetup setup;
    GridModel waves(kWaveGridRows, kWaveGridCols);
    ASSERT_FALSE(ApplyBatchOptions(*options, inputs, setup, waves));
    EXPECT_EQ(inputs.frequencyCase, "60");
    EXPECT_TRUE(inputs.staticOnly);
    EXPECT_TRUE(inputs.excludeStaticImprovement) << "set after the static-only click cleared it";
    EXPECT_EQ(setup.ExcludeStaticImprovement, 1);
    EXPECT_EQ(setup.SpectrumType, "1");
    EXPECT_EQ(inputs.directionOption, 4);
    EXPECT_FALSE(inputs.global.tubularJoints);
    EXPECT_TRUE(inputs.selective.vmStress);
    EXPECT_TRUE(inputs.elementGroup);
}

TEST(BatchOptions, NoStaticOnlyResetsTheFrequencyCase)
{
    const auto options = Parse({ "create", "--no-static-only" });
    ASSERT_TRUE(options);
    MainInputs inputs;
    inputs.frequencyCase = "-";
    inputs.staticOnly = true;
    RunSetup setup;
    GridModel waves(kWaveGridRows, kWaveGridCols);
    ASSERT_FALSE(ApplyBatchOptions(*options, inputs, setup, waves));
    EXPECT_FALSE(inputs.staticOnly);
    EXPECT_EQ(inputs.frequencyCase, "50");
}

TEST(BatchOptions, WaveFileReplacesTheWholeTable)
{
    test::TempDir dir;
    std::string content = "1.5\t10\t1\r\n2\t12\r3\t14\t2\textra\n";
    for (int i = 0; i < 120; ++i)
        content += "9\t9\t9\n";
    dir.write("waves.txt", content);
    GridModel waves(kWaveGridRows, kWaveGridCols);
    GridSetUp(waves);
    waves.setText(100, 1, "old");
    waves.setText(2, 3, "old");
    const auto options = Parse({ "create", "--waves", dir.file("waves.txt") });
    ASSERT_TRUE(options);
    MainInputs inputs;
    RunSetup setup;
    ASSERT_FALSE(ApplyBatchOptions(*options, inputs, setup, waves));
    const std::vector<std::array<const char*, 3>> rows
        = { { "1.5", "10", "1" }, { "2", "12", "" }, { "3", "14", "2" }, { "9", "9", "9" } };
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (int c = 0; c < 3; ++c)
            EXPECT_EQ(
                waves.text(static_cast<int>(r) + 1, c + 1), rows[r][static_cast<std::size_t>(c)]);
    EXPECT_EQ(waves.text(100, 1), "9") << "line 100 is the last one used";
    EXPECT_EQ(waves.text(1, 0), "1") << "the heading column is not touched";

    const auto missing = Parse({ "create", "--waves", dir.file("none.txt") });
    ASSERT_TRUE(missing);
    const auto problem = ApplyBatchOptions(*missing, inputs, setup, waves);
    ASSERT_TRUE(problem);
    EXPECT_NE(problem->find("none.txt"), std::string::npos);
}

TEST(BatchOptions, HelpNamesEveryInputByItsCaption)
{
    const std::string help = BatchHelpText();
    for (const char* expected :
        { "--batch-file TEXT", "\"Fatigue Batch File\"", "--directions 1|2|3|4|4sym|6|8|12",
            "--no-static-only", "--waves FILE", "--selective-output-id TEXT",
            "\"Restrict to Group No.\"", "--overwrite", "--model STEM", "--files1 DIR",
            "\"Include VM Stress Opt\" of \"Selective Assessments\"" })
        EXPECT_NE(help.find(expected), std::string::npos) << expected;
}

} // namespace
} // namespace quorin
