#include "batch/batchoptions.h"

#include "run/inputtable.h"
#include "support/scripted.h"
#include "support/tempdir.h"
#include "wavetable/wavegrid.h"

#include <gtest/gtest.h>

namespace quorin {
namespace {

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
        { { "create", "--default-waves", "20,3,22" }, "--default-waves takes N,MIN,MAX,STEEP" },
        { { "scatter" }, "needs the DIRECTION" },
        { { "scatter", "1", "--steepness", "--import", "f" }, "does not go with --import" },
        { { "scatter", "1", "--years", "2" }, "go with --import only" },
        { { "scatter", "1", "--waves", "w" }, "--waves does not go with scatter" },
        { { "create", "--steepness" }, "go with scatter only" },
        { { "scatter", "1", "--dry-run" }, "--dry-run goes with create and append only" },
        { { "report" }, "report needs --out FILE" },
        { { "report", "--out", "run.txt" }, "--out takes a file name ending in .pdf or .html" },
        { { "report", "--out", "run.pdf", "--overwrite" }, "--overwrite does not go with report" },
        { { "report", "--out=run.HTML", "--dry-run" }, "--dry-run does not go with report" },
        { { "create", "--out", "run.pdf" }, "--out goes with report only" },
    };
    for (const auto& [args, reason] : cases) {
        const auto parsed = parseBatchOptions(args);
        ASSERT_FALSE(parsed.has_value()) << reason;
        EXPECT_NE(parsed.error().message.find(reason), std::string::npos) << parsed.error().message;
    }
}

// The texts of the options; which command runs is in the end-to-end tests.
TEST(BatchOptions, TextsAreTakenExactlyAsGiven)
{
    const auto options = parseBatchOptions({ "append", "--frequency-case", "-", "--description",
        std::string(30, 'x'), "--group-no= 7,5 ", "--overwrite", "--model", "/m/JKT" });
    ASSERT_TRUE(options);
    EXPECT_EQ(std::tuple(options->values.at("frequency-case"), options->values.at("group-no"),
                  options->overwrite, options->model),
        std::tuple("-", " 7,5 ", true, "/m/JKT"));

    const auto scatter = parseBatchOptions({ "--model", "/m/JKT", "scatter", " 03 ", "--import",
        "cells.txt", "--scaling", "1,5", "--years=" });
    ASSERT_TRUE(scatter);
    const ScatterOptions& s = scatter->scatter;
    EXPECT_EQ(
        std::tuple(s.direction, s.importFile, s.scaling, s.years, s.steepness, scatter->model),
        std::tuple(" 03 ", "cells.txt", "1,5", "", false, "/m/JKT"));
}

TEST(BatchOptions, InputsApplyInTableOrderNotCommandLineOrder)
{
    // The frequency case comes after the static-only click whatever the order given.
    const auto options = parseBatchOptions({ "create", "--frequency-case", "60", "--static-only",
        "--exclude-static-improvement", "--spectrum", "1", "--directions", "4sym",
        "--global-tubular", "off", "--selective-vm-stress", "on", "--group-by", "element" });
    ASSERT_TRUE(options);
    MainInputs inputs;
    Session session;
    RunSetup& setup = session.setup;
    test::ScriptedPrompter prompter;
    // The frequency case, Static Only and Exclude (the inputs and the run
    // set-up), the spectrum, the directions, two joint boxes and the group.
    const auto state = [&] {
        return inputs.frequencyCase + " " + std::to_string(inputs.staticOnly)
            + std::to_string(inputs.excludeStaticImprovement)
            + std::to_string(setup.ExcludeStaticImprovement) + " " + setup.SpectrumType + " "
            + std::to_string(inputs.directionOption) + " "
            + std::to_string(inputs.global.tubularJoints)
            + std::to_string(inputs.selective.vmStress) + " " + std::to_string(inputs.groupOption);
    };
    ASSERT_TRUE(applyBatchOptions(*options, inputs, session, prompter, '.').has_value());
    EXPECT_EQ(state(), "60 111 1 4 01 0") << "Exclude set after the static-only click cleared it";
    // --no-static-only resets the frequency case.
    ASSERT_TRUE(applyBatchOptions(
        *parseBatchOptions({ "create", "--no-static-only" }), inputs, session, prompter, '.'));
    EXPECT_EQ(state(), "50 011 1 4 01 0");
}

TEST(BatchOptions, WaveFileReplacesTheWholeTable)
{
    test::TempDir dir;
    std::string content = "1.5\t10\t1\r\n2\t12\r3\t14\t2\textra\n";
    for (int i = 0; i < 120; ++i)
        content += "9\t9\t9\n";
    dir.write("waves.txt", content);
    Session session;
    test::ScriptedPrompter prompter;
    GridModel& waves = session.waves;
    GridSetUp(waves);
    waves.setText(100, 1, "old");
    waves.setText(2, 3, "old");
    const auto options = parseBatchOptions({ "create", "--waves", dir.file("waves.txt") });
    ASSERT_TRUE(options);
    MainInputs inputs;
    ASSERT_TRUE(applyBatchOptions(*options, inputs, session, prompter, '.').has_value());
    waves.setCurrent(1, 1);
    waves.setSelectionEnd(4, 3);
    EXPECT_EQ(waves.rangeText(), "1.5\t10\t1\r2\t12\t\r3\t14\t2\r9\t9\t9");
    EXPECT_EQ(waves.text(100, 1), "9") << "line 100 is the last one used";
    EXPECT_EQ(waves.text(1, 0), "1") << "the heading column is not touched";
    // A wave file that cannot be read is quorin-batch's usage error, in the end-to-end tests.
}

// --default-waves runs the dialog's OK and the command on the table the wave
// file left: its message, or its refusal and no wave.
TEST(BatchOptions, DefaultWavesAfterTheWaveFile)
{
    // The option's value, the decimal symbol, the message's start and row 1's
    // height/period/theory.
    const std::tuple<const char*, char, const char*, const char*> cases[] = {
        { "20,2.5,14,22", '.', "Frequency increment is 0.1087 Rad/s", "0.44/2.50/1" },
        { " 20 ;2,5;14;18,5", ',', "Frequency increment is 0,1087 Rad/s", "0,53/2,50/1" },
        { "1,2.5,14,22", '.', "Number of Waves: at least 2", "old//" },
        { "3,2.5,-2.5,22", '.', "Generate Default Waves: a frequency of 0", "old//" },
    };
    test::TempDir dir;
    dir.write("waves.txt", "old\r\n" + std::string(23, '\n') + "9\t9\t9\r\n");
    for (const auto& [value, decimal, message, row1] : cases) {
        SCOPED_TRACE(value);
        const auto options = parseBatchOptions(
            { "create", "--default-waves", value, "--waves", dir.file("waves.txt") });
        ASSERT_TRUE(options);
        Session session;
        MainInputs inputs;
        test::ScriptedPrompter prompter;
        const bool generated = row1 != std::string("old//");
        EXPECT_EQ(
            applyBatchOptions(*options, inputs, session, prompter, decimal).has_value(), generated);
        ASSERT_EQ(prompter.messages().size(), 1u);
        EXPECT_TRUE(prompter.messages()[0].text.starts_with(message))
            << prompter.messages()[0].text;
        const GridModel& w = session.waves;
        EXPECT_EQ(w.text(1, 1) + "/" + w.text(1, 2) + "/" + w.text(1, 3), row1);
        EXPECT_EQ(w.text(25, 1), "9") << "rows below the generated ones are kept";
        EXPECT_EQ(session.setup.NoOfWaves, generated ? 20 : 0);
        EXPECT_EQ(session.defaultWaves.NumDefaultWaves, generated ? 20 : 0);
    }
}

TEST(BatchOptions, HelpNamesEveryInputOptionAndCaption)
{
    const std::string help = batchHelpText();
    for (const InputField& field : inputFields()) {
        const std::string flag = field.kind == InputKind::Switch ? "--[no-]" : "--";
        EXPECT_NE(help.find(flag + std::string(field.option)), std::string::npos) << field.option;
        if (!field.name().empty()) {
            EXPECT_NE(help.find(quotedName(field)), std::string::npos) << field.option;
        }
    }
    for (const char* expected : { "--directions 1|2|3|4|4sym|6|8|12", "--[no-]static-only",
             "--waves FILE", "--default-waves N,MIN,MAX,STEEP", "--overwrite", "--model STEM",
             "--files1 DIR", "scatter DIRECTION [MODEL] [--steepness]", "--import FILE",
             "--scaling TEXT", "--years TEXT", "--dry-run" })
        EXPECT_NE(help.find(expected), std::string::npos) << expected;
}

} // namespace
} // namespace quorin
