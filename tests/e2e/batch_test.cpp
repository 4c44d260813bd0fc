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

// Line 6 of a load data file carries the date and time of the run.
std::size_t LineSixStart(const std::string& text)
{
    std::size_t start = 0;
    for (int line = 1; line < 6; ++line)
        start = text.find("\r\n", start) + 2;
    return start;
}

std::string WithoutStamp(std::string text)
{
    const std::size_t start = LineSixStart(text);
    return text.erase(start, text.find("\r\n", start) - start);
}

TEST(QuorinBatch, CreateWritesEveryFileOfEachKind)
{
    struct Kind {
        const char* name;
        std::vector<std::string> options;
        const char* control;
        std::vector<std::pair<const char*, const char*>> combinations;
        const char* report;
    };
    const Kind kinds[] = {
        { "static only", { "--static-only", "--global-vm-stress", "on" },
            "writers/static_only.BRSF", { { "JKT.C70", "writers/static.C70" } },
            "Wrote 4 load data files, 4 wave step files, 1 combination file and JKT.BRSF\n" },
        { "dynamic with static improvement", {}, "writers/dynamic_static.BRSF",
            { { "JKT.C70", "writers/static.C70" }, { "JKT.C90", "writers/wave_frequency.C90" },
                { "JKT.C110", "writers/zero_frequency.C110" } },
            "Wrote 4 load data files, 4 wave step files, 3 combination files and JKT.BRSF\n" },
        { "dynamic only", { "--exclude-static-improvement" }, "writers/dynamic_only.BRSF",
            { { "JKT.C70", "writers/static.C70" }, { "JKT.C90", "writers/wave_frequency.C90" },
                { "JKT.C110", "writers/zero_frequency.C110" } },
            "Wrote 4 load data files, 4 wave step files, 3 combination files and JKT.BRSF\n" },
    };
    for (const Kind& kind : kinds) {
        SCOPED_TRACE(kind.name);
        Model model;
        auto args = kind.options;
        args.insert(args.begin(), "create");
        const BatchRun run = model.run(args);
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out, kind.report);
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(model.dir.read("JKT.BRSF"), Expected(kind.control));
        for (const auto& [written, expected] : kind.combinations)
            EXPECT_EQ(model.dir.read(written), Expected(expected)) << written;

        std::string loadData = Expected("writers/load_data.@F3");
        loadData.replace(loadData.find("<MODEL>"), 7, "JKT");
        EXPECT_EQ(WithoutStamp(model.dir.read("JKT.@F3")), WithoutStamp(loadData));
        EXPECT_EQ(model.dir.read("JKT.BCWAVF3"), Expected("writers/wave_step.BCWAVF3"));

        std::vector<std::string> names = { "JKT.BRSF", "JKT.DFS", "JKT.WAV", "waves.txt" };
        for (int n = 1; n <= 4; ++n) {
            names.push_back("JKT.@F" + std::to_string(n));
            names.push_back("JKT.BCWAVF" + std::to_string(n));
        }
        for (const auto& [written, expected] : kind.combinations)
            names.push_back(written);
        std::sort(names.begin(), names.end());
        EXPECT_EQ(FileNames(model.dir), names);
    }
}

// The load data files' line 6 holds the host's short date and its time of day.
TEST(QuorinBatch, LoadDataFileStampIsTheDateAndTime)
{
    Model model;
    ASSERT_EQ(model.run({ "create" }).status, 0);
    const std::string content = model.dir.read("JKT.@F1");
    const std::size_t start = LineSixStart(content);
    const std::string stamp = content.substr(start, content.find("\r\n", start) - start);
    const std::size_t time = stamp.rfind("  Time:");
    ASSERT_TRUE(stamp.starts_with("Date:") && time != std::string::npos && time > 5) << stamp;
    std::string clock = stamp.substr(time + 7);
    std::replace_if(clock.begin(), clock.end(), ::isdigit, '0');
    EXPECT_EQ(clock, "00:00:00") << stamp;
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

// quorin-batch answers the overwrite question No unless --overwrite is
// given; a refusal or a file that cannot be written ends with status 1 and
// its message on standard error, and so does its dry run, which writes
// nothing. Each refusal is in the command tests.
TEST(QuorinBatch, FailuresEndWithStatusOneAndTheirMessage)
{
    struct Case {
        const char* name;
        std::vector<std::string> args;
        const char* message;
        bool writesNothing;
    } const cases[] = {
        { "overwrite not given", { "create" }, "Fatige Batch File Exist - Overwrite\n", true },
        { "default waves refused", { "create", "--default-waves", "20,0,14,22" },
            "Minimum Period Secs: a period of 0", true },
        { "file below a regular file", { "create", "--overwrite", "--batch-file", "JKT.BRSF/x" },
            "JKT.BRSF/x: Not a directory", false },
        { "missing folder", { "create", "--overwrite", "--batch-file", "none/x" },
            "none/x: No such file or directory", false },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Model model;
        model.dir.write("JKT.BRSF", "old");
        const auto before = FileNames(model.dir);
        auto dryArgs = c.args;
        dryArgs.push_back("--dry-run");
        const BatchRun dryRun = model.run(dryArgs);
        EXPECT_EQ(FileNames(model.dir), before);
        const BatchRun run = model.run(c.args);
        EXPECT_EQ(dryRun.status, run.status);
        EXPECT_EQ(dryRun.err, run.err);
        EXPECT_EQ(run.status, 1);
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(FileNames(model.dir) == before, c.writesNothing);
        EXPECT_EQ(model.dir.read("JKT.BRSF"), "old");
    }
}

TEST(QuorinBatch, UsageErrorsExitWithTwoAndAHint)
{
    // Which arguments are refused, and why, is in the option tests.
    for (const std::vector<std::string>& args :
        { std::vector<std::string> { "create", "--directions", "7" },
            { "create", "--waves", "none.txt" } }) {
        TempDir dir;
        const BatchRun run = RunQuorinBatch(dir, args);
        EXPECT_EQ(run.status, 2);
        EXPECT_NE(run.err.find("Try 'quorin-batch --help'"), std::string::npos) << run.err;
        EXPECT_EQ(FileNames(dir), std::vector<std::string> {});
    }
    TempDir dir;
    const BatchRun help = RunQuorinBatch(dir, { "--help" });
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.substr(0, 6), "Usage:");
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
