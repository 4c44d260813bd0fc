#include "batch/batchoptions.h"

#include "run/inputtable.h"
#include "support/scripted.h"
#include "support/tempdir.h"
#include "wavetable/wavegrid.h"

#include <gtest/gtest.h>

namespace quorin {
namespace {

// One row for each way a command line is refused.
TEST(BatchOptions, UsageErrorsAreRefusedWithTheirReason)
{
    const std::pair<std::vector<std::string>, const char*> cases[] = {
        { {}, "no command" },
        { { "make" }, "unknown command 'make'" },
        { { "create", "append" }, "unexpected argument 'append'" },
        { { "create", "--colour", "red" }, "unknown option --colour" },
        { { "create", "--no-description" }, "unknown option --no-description" },
        { { "create", "--directions", "5" }, "--directions takes 1|2|3|4|4sym|6|8|12, not '5'" },
        { { "create", "--global-tubular", "yes" }, "--global-tubular takes on|off" },
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
        { { "report", "--out=run.HTML", "--dry-run" }, "--dry-run does not go with report" },
        { { "create", "--out", "run.pdf" }, "--out goes with report only" },
    };
    for (const auto& [args, reason] : cases) {
        const auto parsed = parseBatchOptions(args);
        EXPECT_TRUE(!parsed && parsed.error().message.contains(reason)) << reason;
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

// The inputs and the session a command line is applied to.
struct Applied {
    MainInputs inputs;
    Session session;
    test::ScriptedPrompter prompter;
    Result<void> apply(const std::vector<std::string>& args, char decimal = '.')
    {
        return applyBatchOptions(
            parseBatchOptions(args).value(), inputs, session, prompter, decimal);
    }
};

TEST(BatchOptions, InputsApplyInTableOrderNotCommandLineOrder)
{
    Applied run;
    // The frequency case, Static Only and Exclude (the inputs and the run
    // set-up), the spectrum, the directions, a joint box and the group.
    const auto state = [&run] {
        const MainInputs& in = run.inputs;
        return in.frequencyCase + " " + std::to_string(in.staticOnly)
            + std::to_string(in.excludeStaticImprovement)
            + std::to_string(run.session.setup.ExcludeStaticImprovement) + " "
            + run.session.setup.SpectrumType + " " + std::to_string(in.directionOption) + " "
            + std::to_string(in.global.tubularJoints) + " " + std::to_string(in.groupOption);
    };
    // The frequency case comes after the static-only click whatever the order given.
    ASSERT_TRUE(run.apply({ "create", "--frequency-case", "60", "--static-only",
        "--exclude-static-improvement", "--spectrum", "1", "--directions", "4sym",
        "--global-tubular", "off", "--group-by", "element" }));
    EXPECT_EQ(state(), "60 111 1 4 0 0") << "Exclude set after the static-only click cleared it";
    // --no-static-only resets the frequency case.
    ASSERT_TRUE(run.apply({ "create", "--no-static-only" }));
    EXPECT_EQ(state(), "50 011 1 4 0 0");
}

// Line k of the file fills row k (cells split at TAB, beyond the third left
// out) up to row 100; the rest of a row is emptied, the heading column kept.
TEST(BatchOptions, WaveFileReplacesTheWholeTable)
{
    test::TempDir dir;
    std::string content = "1.5\t10\t1\r\n2\t12\r3\t14\t2\textra\n";
    for (int i = 0; i < 120; ++i)
        content += "9\t9\t9\n";
    dir.write("waves.txt", content);
    Applied run;
    GridModel& waves = run.session.waves;
    GridSetUp(waves);
    waves.setText(100, 1, "old");
    waves.setText(2, 3, "old");
    ASSERT_TRUE(run.apply({ "create", "--waves", dir.file("waves.txt") }));
    waves.setCurrent(1, 1);
    waves.setSelectionEnd(4, 3);
    EXPECT_EQ(waves.rangeText() + "|" + waves.text(100, 1) + "|" + waves.text(1, 0),
        "1.5\t10\t1\r2\t12\t\r3\t14\t2\r9\t9\t9|9|1");
    // A wave file that cannot be read is quorin-batch's usage error, in the end-to-end tests.
}

// --default-waves runs the dialog's OK and the command on the table the wave
// file left: its message, or its refusal and no wave.
TEST(BatchOptions, DefaultWavesAfterTheWaveFile)
{
    // The option's value, the decimal symbol, the message's start, and whether
    // it was applied, row 1's height/period/theory, row 25's height and the
    // number of waves of the run and of the dialog.
    const std::tuple<const char*, char, const char*, const char*> cases[] = {
        { "20,2.5,14,22", '.', "Frequency increment is 0.1087 Rad/s", "1 0.44/2.50/1 9 20 20" },
        { " 20 ;2,5;14;18,5", ',', "Frequency increment is 0,1087 Rad/s", "1 0,53/2,50/1 9 20 20" },
        { "1,2.5,14,22", '.', "Number of Waves: at least 2", "0 old// 9 0 0" },
        { "3,2.5,-2.5,22", '.', "Generate Default Waves: a frequency of 0", "0 old// 9 0 0" },
    };
    test::TempDir dir;
    dir.write("waves.txt", "old\r\n" + std::string(23, '\n') + "9\t9\t9\r\n");
    for (const auto& [value, decimal, message, state] : cases) {
        SCOPED_TRACE(value);
        Applied run;
        const auto applied = run.apply(
            { "create", "--default-waves", value, "--waves", dir.file("waves.txt") }, decimal);
        ASSERT_EQ(run.prompter.messages().size(), 1u);
        EXPECT_TRUE(run.prompter.messages()[0].text.starts_with(message))
            << run.prompter.messages()[0].text;
        const GridModel& w = run.session.waves;
        EXPECT_EQ(std::to_string(applied.has_value()) + " " + w.text(1, 1) + "/" + w.text(1, 2)
                + "/" + w.text(1, 3) + " " + w.text(25, 1) + " "
                + std::to_string(run.session.setup.NoOfWaves) + " "
                + std::to_string(run.session.defaultWaves.NumDefaultWaves),
            state);
    }
}

TEST(BatchOptions, HelpNamesEveryInputOptionAndCaption)
{
    const std::string help = batchHelpText();
    for (const InputField& field : inputFields()) {
        const std::string flag = field.kind == InputKind::Switch ? "--[no-]" : "--";
        EXPECT_TRUE(help.contains(flag + std::string(field.option))) << field.option;
        EXPECT_TRUE(field.name().empty() || help.contains(quotedName(field))) << field.option;
    }
}

} // namespace
} // namespace quorin
