#include "e2e/batchrunner.h"

#include "common/textfile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <optional>
#include <utility>

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
    BatchRun run(std::vector<std::string> args, const std::vector<std::string>& env = {}) const
    {
        for (const char* common : { "--model", "JKT", "--directions", "2", "--waves", "waves.txt" })
            args.push_back(common);
        return RunQuorinBatch(dir, args, env);
    }
};

std::string Expected(const std::string& name)
{
    return readWholeFile(std::string(QUORIN_TEST_DATA) + "/" + name).value_or("<missing>");
}

TEST(QuorinBatch, CreateWritesEveryFileOfEachKind)
{
    using Files = std::vector<std::pair<std::string, std::string>>; // written, expected
    const Files staticOnly = { { "JKT.C70", "writers/static.C70" } };
    const Files dynamic = { staticOnly[0], { "JKT.C90", "writers/wave_frequency.C90" },
        { "JKT.C110", "writers/zero_frequency.C110" } };
    const std::string wrote = "Wrote 4 load data files, 4 wave step files, ";
    const std::tuple<std::vector<std::string>, std::string, Files, std::string> kinds[] = {
        { { "--static-only", "--global-vm-stress", "on" }, "writers/static_only.BRSF", staticOnly,
            wrote + "1 combination file and JKT.BRSF\n" },
        { {}, "writers/dynamic_static.BRSF", dynamic,
            wrote + "3 combination files and JKT.BRSF\n" },
        { { "--exclude-static-improvement" }, "writers/dynamic_only.BRSF", dynamic,
            wrote + "3 combination files and JKT.BRSF\n" },
    };
    for (const auto& [options, control, combinations, report] : kinds) {
        SCOPED_TRACE(control);
        Model model;
        auto args = options;
        args.insert(args.begin(), "create");
        const BatchRun run = model.run(args);
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out + "|" + run.err, report + "|");
        EXPECT_EQ(model.dir.read("JKT.BRSF"), Expected(control));
        std::vector<std::string> names = { "JKT.BRSF", "JKT.DFS", "JKT.WAV", "waves.txt" };
        for (const auto& [written, expected] : combinations) {
            EXPECT_EQ(model.dir.read(written), Expected(expected)) << written;
            names.push_back(written);
        }
        for (int n = 1; n <= 4; ++n)
            names.insert(
                names.end(), { "JKT.@F" + std::to_string(n), "JKT.BCWAVF" + std::to_string(n) });
        std::sort(names.begin(), names.end());
        EXPECT_EQ(FileNames(model.dir), names);

        std::string loadData = Expected("writers/load_data.@F3");
        loadData.replace(loadData.find("<MODEL>"), 7, "JKT");
        // Line 6 carries the date and time of the run: the host's short date and
        // its time of day, compared with every digit a 0; the other lines as they are.
        auto loadLines = LinesOf(model.dir.read("JKT.@F3"));
        const auto expectedLines = LinesOf(loadData);
        ASSERT_GE(loadLines.size(), 6u);
        std::string stamp = std::exchange(loadLines[5], expectedLines.at(5));
        EXPECT_EQ(loadLines, expectedLines);
        std::replace_if(stamp.begin(), stamp.end(), ::isdigit, '0');
        EXPECT_TRUE(
            stamp.size() > 20 && stamp.starts_with("Date:") && stamp.ends_with("  Time:00:00:00"))
            << stamp;
        EXPECT_EQ(model.dir.read("JKT.BCWAVF3"), Expected("writers/wave_step.BCWAVF3"));
    }
}

TEST(QuorinBatch, SettingsFileIsWrittenAndReadBackByTheNextRun)
{
    Model model;
    ASSERT_EQ(model.run({ "create", "--static-only" }).status, 0);
    EXPECT_EQ(model.dir.read("JKT.DFS"), Expected("e2e/static_only.DFS"));
    const std::string firstBatch = model.dir.read("JKT.BRSF");
    std::filesystem::remove(model.dir.file("waves.txt"));
    // No options at all: the saved inputs and waves make the same run again.
    const BatchRun again = RunQuorinBatch(model.dir, { "create", "--model", "JKT", "--overwrite" });
    ASSERT_EQ(again.status, 0) << again.err;
    EXPECT_EQ(model.dir.read("JKT.DFS"), Expected("e2e/static_only.DFS"));
    EXPECT_EQ(model.dir.read("JKT.BRSF"), firstBatch);
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
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(run.out.starts_with("JKT.DFS changed (1 line differs)\nJKT.@F1 same\n"));
    EXPECT_TRUE(run.out.ends_with("JKT.BRSF changed (8 lines differ)\n13 files: 0 new, 2 changed, "
                                  "11 same. Dry run: no file was written.\n"))
        << run.out;
}

// quorin-batch as scripts use it: each row runs it once in a model folder
// (JKT with its wave data, a settings file that makes static runs, an old
// batch file, and a regular file "plain") and looks at its status, what it
// printed and which files it left. It answers the overwrite question No
// unless --overwrite is given; a run that fails says why on standard error
// (usage errors, status 2, with a hint) and leaves the batch file, and every
// other file but those listed, as it was; the dry run of a create or append
// that stops ends as it does, with its message, and writes nothing. Each
// refusal is in the command and option tests.
TEST(QuorinBatch, WhatScriptsRelyOn)
{
    struct Row {
        std::vector<std::string> args;
        int status;
        std::string err; // what standard error holds; "": nothing at all
        const char* out = ""; // what standard output holds
        std::vector<const char*> present = {};
        std::string input = {}; // standard input
    };
    const std::string staticRun = " 14 \r\n 0\r\n 0 \r\n12\r\n70\r\n 113.3\r\n8\r\n 0 \r\n3\r\n"
                                  "Spare\r\nSpare\r\nSpare\r\n-\r\n5\r\nSpare\r\nSpare\r\n4\r\n";
    const std::string usage = "Try 'quorin-batch --help'";
    const Row rows[] = {
        { { "--help" }, 0, "", "Usage:" },
        { { "-h" }, 0, "", "--spectrum 1|2|3|ittc|pm|jonswap" },
        { { "help" }, 0, "", "--defaults" },
        { { "create", "--model", "JKT" }, 1,
            "Fatige Batch File Exist - Overwrite\nUse --overwrite to replace it.\n" },
        { { "append", "--model", "NONE" }, 1, "WAV Data does not exist\nFile: NONE.WAV\n" },
        { { "create", "--model", "JKT", "--default-waves", "20,0,14,22" }, 1,
            "Minimum Period Secs: a period of 0" },
        { { "create", "--model", "JKT", "--overwrite", "--batch-file", "JKT.BRSF/x" }, 1,
            "JKT.BRSF/x: Not a directory", "", { "JKT.C70" } },
        { { "create", "--model", "JKT", "--overwrite", "--batch-file", "none/x" }, 1,
            "none/x: No such file or directory", "", { "JKT.C70" } },
        { { "create", "--directions", "7" }, 2, usage },
        { { "create", "--waves", "none.txt" }, 2, "cannot read the wave file none.txt. " + usage },
        { { "scatter", "5", "--model", "JKT" }, 1, "Scatter Diagram not Found\n" },
        { { "scatter", "1", "--model", "JKT", "--import", "none.txt" }, 2, "none.txt" },
        { { "scatter", "1", "--model", "plain/JKT", "--import", "plain" }, 1,
            "plain/JKT.DBS1: Not a directory" },
        // The report says where it cannot write (what it writes is in the report tests).
        { { "report", "--model", "JKT", "--out", "plain/JKT.pdf" }, 1,
            "Could not write the report plain/JKT.pdf: Not a directory. Choose another" },
        // --defaults leaves the settings file (a static run) unread; that it is
        // read otherwise is the settings file test.
        { { "create", "--model", "JKT", "--overwrite", "--defaults" }, 0, "", "",
            { "JKT.C90", "JKT.C110" } },
        // Waves split at spaces, from standard input.
        { { "create", "--model", "JKT", "--overwrite", "--waves", "-", "--spectrum", "jonswap" }, 0,
            "", "", { "JKT.@F8" }, "  9.5   12  2\n1.25 4.5 1\n" },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::PrintToString(row.args));
        TempDir dir;
        dir.write("JKT.WAV", "");
        dir.write("JKT.DFS", staticRun);
        dir.write("JKT.BRSF", "old");
        dir.write("plain", "7");
        const auto before = FileNames(dir);
        std::optional<BatchRun> dryRun;
        if (row.status == 1 && (row.args[0] == "create" || row.args[0] == "append")) {
            auto args = row.args;
            args.push_back("--dry-run");
            dryRun = RunQuorinBatch(dir, args, {}, row.input);
            EXPECT_EQ(FileNames(dir), before);
        }
        const BatchRun run = RunQuorinBatch(dir, row.args, {}, row.input);
        if (dryRun) {
            EXPECT_EQ(dryRun->status, run.status);
            EXPECT_EQ(dryRun->err, run.err);
        }
        EXPECT_EQ(run.status, row.status) << run.err;
        EXPECT_TRUE(row.err.empty() ? run.err.empty() : run.err.find(row.err) != std::string::npos)
            << run.err;
        EXPECT_NE(run.out.find(row.out), std::string::npos) << run.out;
        if (run.status != 0) {
            EXPECT_EQ(run.out, "");
            EXPECT_EQ(dir.read("JKT.BRSF"), "old");
            if (row.present.empty()) {
                EXPECT_EQ(FileNames(dir), before);
            }
        }
        for (const char* name : row.present)
            EXPECT_TRUE(std::filesystem::exists(dir.file(name))) << name;
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
    const std::string batch = dir.read("JKT.BRSF");
    EXPECT_NE(batch.find("FATSPEC3 2/1/4/1.0/F2/0,025/\r\n"), std::string::npos);
    EXPECT_NE(batch.find("FATSPEC1 70/81/90/D/0,025/\r\n"), std::string::npos);
    EXPECT_NE(dir.read("JKT.@F1").find("WDEPTH, 113.3\r\n"), std::string::npos);
}

} // namespace
} // namespace quorin::test
