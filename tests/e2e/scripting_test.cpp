#include "e2e/batchrunner.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace quorin::test {
namespace {

// quorin-batch as scripts use it: each row runs it once in a model folder
// (JKT with its wave data, and a settings file that makes static runs) and
// looks at its status, what it printed and which files it left.
TEST(QuorinBatchScripting, WhatScriptsRelyOn)
{
    struct Row {
        const char* name;
        std::vector<std::string> args;
        std::string input; // standard input
        int status;
        std::string err; // how standard error starts; "": nothing at all
        std::vector<const char*> present;
        std::vector<const char*> absent = {};
    };
    const std::string staticRun = " 14 \r\n 0\r\n 0 \r\n12\r\n70\r\n 113.3\r\n8\r\n 0 \r\n3\r\n"
                                  "Spare\r\nSpare\r\nSpare\r\n-\r\n5\r\nSpare\r\nSpare\r\n4\r\n";
    const Row rows[] = {
        { "-h", { "-h" }, "", 0, "", {} },
        { "help", { "help" }, "", 0, "", {} },
        { "an existing batch file without --overwrite", { "create", "--model", "JKT" }, "", 1,
            "Fatige Batch File Exist - Overwrite\nUse --overwrite to replace it.\n", {} },
        { "the wave data looked for", { "append", "--model", "NONE" }, "", 1,
            "WAV Data does not exist\nFile: NONE.WAV\n", {} },
        { "--overwrite answers without the question; the settings file's static run",
            { "create", "--model", "JKT", "--overwrite" }, "", 0, "", { "JKT.C70" },
            { "JKT.C90" } },
        { "--defaults leaves it unread",
            { "create", "--model", "JKT", "--overwrite", "--defaults" }, "", 0, "",
            { "JKT.C90", "JKT.C110" } },
        { "waves split at spaces, from standard input",
            { "create", "--model", "JKT", "--overwrite", "--waves", "-", "--spectrum", "jonswap" },
            "  9.5   12  2\n1.25 4.5 1\n", 0, "", { "JKT.@F8" } },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TempDir dir;
        dir.write("JKT.WAV", "");
        dir.write("JKT.DFS", staticRun);
        dir.write("JKT.BRSF", "old");
        const BatchRun run = RunQuorinBatch(dir, row.args, {}, row.input);
        EXPECT_EQ(run.status, row.status) << run.err;
        EXPECT_TRUE(row.err.empty() ? run.err.empty() : run.err.starts_with(row.err)) << run.err;
        if (row.args[0] == "-h" || row.args[0] == "help") {
            EXPECT_NE(run.out.find("--defaults"), std::string::npos);
            EXPECT_NE(run.out.find("--spectrum 1|2|3|ittc|pm|jonswap"), std::string::npos);
        }
        for (const char* name : row.present)
            EXPECT_TRUE(std::filesystem::exists(dir.file(name))) << name;
        for (const char* name : row.absent)
            EXPECT_FALSE(std::filesystem::exists(dir.file(name))) << name;
    }
}

} // namespace
} // namespace quorin::test
