#include "e2e/batchrunner.h"

#include "common/textfile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace quorin::test {
namespace {

// The model of the expected files: two directions (0 and 90 degrees) and
// two waves, 9.5 m 12 s Stokes and 1.25 m 4.5 s Airy, default inputs.
struct Model {
    TempDir dir;
    Model()
    {
        dir.write("JKT.WAV", "");
        dir.write("waves.txt", "9.5\t12\t2\r\n1.25\t4.5\t1\r\n");
    }
    BatchRun run(std::vector<std::string> args) const
    {
        args.insert(args.end(), { "--model", "JKT", "--directions", "2", "--waves", "waves.txt" });
        return RunQuorinBatch(dir, args);
    }
};

std::string Expected(const std::string& name)
{
    return readWholeFile(std::string(QUORIN_TEST_DATA) + "/" + name).value_or("<missing>");
}

TEST(QuorinBatch, CreateWritesEveryFileOfEachKind)
{
    // The combination files; a static-only run writes the first alone.
    const std::pair<std::string, std::string> combinations[]
        = { { "JKT.C70", "writers/static.C70" }, { "JKT.C90", "writers/wave_frequency.C90" },
              { "JKT.C110", "writers/zero_frequency.C110" } };
    const std::tuple<std::vector<std::string>, std::string, std::size_t, std::string> kinds[] = {
        { { "create", "--static-only", "--global-vm-stress", "on" }, "writers/static_only.BRSF", 1,
            "1 combination file" },
        { { "create" }, "writers/dynamic_static.BRSF", 3, "3 combination files" },
        { { "create", "--exclude-static-improvement" }, "writers/dynamic_only.BRSF", 3,
            "3 combination files" },
    };
    for (const auto& [args, control, combined, wrote] : kinds) {
        SCOPED_TRACE(control);
        Model model;
        const BatchRun run = model.run(args);
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out + "|" + run.err,
            "Wrote 4 load data files, 4 wave step files, " + wrote + " and JKT.BRSF\n|");
        EXPECT_EQ(model.dir.read("JKT.BRSF"), Expected(control));
        for (std::size_t k = 0; k < combined; ++k)
            EXPECT_EQ(model.dir.read(combinations[k].first), Expected(combinations[k].second));
        // Besides: the wave data, the waves, the settings and batch files and 4
        // load data and 4 wave step files.
        EXPECT_EQ(FileNames(model.dir).size(), 12 + combined);
        EXPECT_EQ(model.dir.read("JKT.BCWAVF3"), Expected("writers/wave_step.BCWAVF3"));

        // Line 6 holds the date and time of the run, the host's short date: it
        // is compared with every digit a 0, the other lines as they are.
        std::string loadData = Expected("writers/load_data.@F3");
        const auto expected = LinesOf(loadData.replace(loadData.find("<MODEL>"), 7, "JKT"));
        auto lines = LinesOf(model.dir.read("JKT.@F3"));
        std::string& stamp = lines.at(5);
        std::replace_if(stamp.begin(), stamp.end(), ::isdigit, '0');
        EXPECT_TRUE(stamp.starts_with("Date:") && stamp.ends_with("  Time:00:00:00")) << stamp;
        stamp = expected.at(5);
        EXPECT_EQ(lines, expected);
    }
}

TEST(QuorinBatch, SettingsFileIsWrittenAndReadBackByTheNextRun)
{
    Model model;
    ASSERT_EQ(model.run({ "create", "--static-only" }).status, 0);
    const std::string firstBatch = model.dir.read("JKT.BRSF");
    std::filesystem::remove(model.dir.file("waves.txt"));
    // No options at all: the saved inputs and waves make the same run again.
    const BatchRun again = RunQuorinBatch(model.dir, { "create", "--model", "JKT", "--overwrite" });
    ASSERT_EQ(again.status, 0) << again.err;
    EXPECT_EQ(model.dir.read("JKT.DFS") + model.dir.read("JKT.BRSF"),
        Expected("e2e/static_only.DFS") + firstBatch);
}

TEST(QuorinBatch, TwoAppendsInARow)
{
    Model model;
    model.dir.write("JKT.BRSF", "EARLIER CONTENT\r\n");
    const std::vector<std::string> first = { "append", "--selective-tubular", "on",
        "--selective-vm-stress", "on", "--description", "LEGS" };
    auto second = first;
    second.insert(second.end(),
        { "--description", "", "--group-no", "2", "--selective-output-id", "300", "--group-by",
            "element" });
    ASSERT_EQ(model.run(first).status, 0);
    const BatchRun run = model.run(second);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "Appended the selective assessment to JKT.BRSF\n");
    EXPECT_EQ(model.dir.read("JKT.BRSF"), Expected("writers/append_twice.BRSF"));
    EXPECT_FALSE(std::filesystem::exists(model.dir.file("JKT.@F1")));
}

// A dry run lists each file, the same or changed against the folder, then
// counts them.
TEST(QuorinBatch, DryRunListsEachFileAndCountsThem)
{
    Model model;
    ASSERT_EQ(model.run({ "create" }).status, 0);
    const BatchRun run = model.run({ "create", "--overwrite", "--damping", "3", "--dry-run" });
    EXPECT_TRUE(run.status == 0
        && run.out.starts_with("JKT.DFS changed (1 line differs)\nJKT.@F1 same\n")
        && run.out.ends_with("JKT.BRSF changed (8 lines differ)\n13 files: 0 new, 2 changed, "
                             "11 same. Dry run: no file was written.\n"))
        << run.err << run.out;
}

// quorin-batch as scripts use it: each row runs it once in a model folder
// (JKT with its wave data, a settings file that makes static runs, an old
// batch file, and a regular file "plain") and looks at its status, what it
// printed and a file it made. It answers the overwrite question No unless
// --overwrite is given. A run that fails says why on standard error (usage
// errors, status 2, with a hint), never asking to restart, prints nothing on
// standard output and leaves every file as it was. Each refusal is in the
// command and option tests.
TEST(QuorinBatch, WhatScriptsRelyOn)
{
    struct Row {
        std::vector<std::string> args;
        int status;
        std::string err; // what standard error holds; "": nothing at all
        const char* out = ""; // what standard output holds
        const char* made = nullptr; // a file the run writes
        std::string input = {}; // standard input
    };
    const std::string usage = "Try 'quorin-batch --help'";
    const Row rows[] = {
        { { "--help" }, 0, "", "Usage:" },
        { { "-h" }, 0, "", "--spectrum 1|2|3|ittc|pm|jonswap" },
        { { "help" }, 0, "", "--defaults" },
        { { "create", "--model", "JKT" }, 1,
            "Fatige Batch File Exist - Overwrite\nUse --overwrite to replace it.\n" },
        { { "append", "--model", "NONE" }, 1, "WAV Data does not exist\nFile: NONE.WAV\n" },
        // The dry run stops where the run does, and writes nothing.
        { { "create", "--model", "JKT", "--overwrite", "--batch-file", "JKT.BRSF/x", "--dry-run" },
            1, "Could not write JKT.BRSF/x: Not a directory" },
        { { "create", "--directions", "7" }, 2, usage },
        { { "create", "--waves", "none.txt" }, 2, "cannot read the wave file none.txt. " + usage },
        { { "scatter", "5", "--model", "JKT" }, 1, "Scatter Diagram not Found\nFile: JKT.DBS5\n" },
        { { "scatter", "1", "--model", "JKT", "--import", "none.txt" }, 2, "none.txt" },
        { { "scatter", "1", "--model", "plain/JKT", "--import", "plain" }, 1,
            "plain/JKT.DBS1: Not a directory" },
        // The report says where it cannot write, and writes over no file of the run.
        { { "report", "--model", "JKT", "--out", "plain/JKT.pdf" }, 1,
            "Could not write the report plain/JKT.pdf: Not a directory. Choose another" },
        { { "report", "--model", "JKT", "--batch-file", "run.html", "--out", "run.html" }, 1,
            "The report file run.html is a file Create writes for the run" },
        // --defaults leaves the settings file (a static run) unread; that it is
        // read otherwise is the settings file test.
        { { "create", "--model", "JKT", "--overwrite", "--defaults" }, 0, "", "", "JKT.C90" },
        // Waves split at spaces, from standard input.
        { { "create", "--model", "JKT", "--overwrite", "--waves", "-", "--spectrum", "jonswap" }, 0,
            "", "", "JKT.@F8", "  9.5   12  2\n1.25 4.5 1\n" },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::PrintToString(row.args));
        TempDir dir;
        dir.write("JKT.WAV", "");
        dir.write("JKT.DFS",
            " 14 \r\n 0\r\n 0 \r\n12\r\n70\r\n 113.3\r\n8\r\n 0 \r\n3\r\n"
            "Spare\r\nSpare\r\nSpare\r\n-\r\n5\r\nSpare\r\nSpare\r\n4\r\n");
        dir.write("JKT.BRSF", "old");
        dir.write("plain", "7");
        const auto before = dir.files();
        const BatchRun run = RunQuorinBatch(dir, row.args, {}, row.input);
        EXPECT_EQ(run.status, row.status) << run.err;
        EXPECT_TRUE(row.err.empty() ? run.err.empty() : run.err.contains(row.err)) << run.err;
        EXPECT_FALSE(run.err.contains("restart") || run.err.contains("start Quorin")) << run.err;
        EXPECT_TRUE(run.out.contains(row.out)) << run.out;
        EXPECT_TRUE(run.status == 0 || (run.out.empty() && dir.files() == before)) << run.out;
        EXPECT_TRUE(!row.made || std::filesystem::exists(dir.file(row.made)));
    }
}

TEST(QuorinBatch, ModelNameFileAndDecimalComma)
{
    TempDir dir;
    dir.write("model.NAM", dir.file("JKT") + ",JKT,1\r\n");
    dir.write("JKT.WAV", "");
    dir.write("waves.txt", "2.5\t7\t1\n");
    const BatchRun run = RunQuorinBatch(dir,
        { "create", "--files1", dir.path(), "--waves", "waves.txt", "--global-thickness", "0,025",
            "--damping", "2.5" },
        { "LC_ALL=de_DE.UTF-8", "LANG=de_DE.UTF-8" });
    ASSERT_EQ(run.status, 0) << run.err;
    // Start-up's test has the warning's whole text.
    EXPECT_TRUE(run.err.starts_with("This computer is using , symbol")) << run.err;
    EXPECT_TRUE(dir.read("JKT.BRSF").contains("FATSPEC3 2/1/4/1.0/F2/0,025/\r\n"));
    EXPECT_TRUE(dir.read("JKT.@F1").contains("WDEPTH, 113.3\r\n"));
}

} // namespace
} // namespace quorin::test
