#include "e2e/batchrunner.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorin::test {
namespace {

TEST(QuorinBatchScatter, ImportPastesASpreadsheetAndSavesWithTheModelsSpectrum)
{
    TempDir dir;
    dir.write("JKT.WAV", "");
    // The model's settings file restores the spectrum type a saved diagram records.
    ASSERT_EQ(RunQuorinBatch(dir, { "create", "--model", "JKT", "--spectrum", "1" }).status, 0);
    dir.write("cells.txt", "\t 5\r\n3\t4.5\r\n");
    const std::vector<std::string> import
        = { "scatter", "2", "--model", "JKT", "--import", "cells.txt", "--years", "2" };

    const BatchRun first = RunQuorinBatch(dir, import);
    ASSERT_EQ(first.status, 0) << first.err;
    EXPECT_EQ(first.out, "Wrote JKT.DBS2\n");
    const std::string saved = dir.read("JKT.DBS2");
    const auto lines = LinesOf(saved);
    ASSERT_GE(lines.size(), 6u);
    EXPECT_EQ(lines[0] + "|" + lines[1] + "|" + lines[2], "1|1|2");
    EXPECT_EQ(lines[5].substr(0, 9), " 0  5  0 ");
    EXPECT_EQ(lines[5].substr(18 * 3, 8), " 3  4.5 ") << "the line feed is stripped";

    // An existing file is replaced only when --overwrite answers the question.
    dir.write("cells.txt", "9");
    const BatchRun refused = RunQuorinBatch(dir, import);
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err, "Overwrite existing data\nUse --overwrite to replace it.\n");
    EXPECT_EQ(dir.read("JKT.DBS2"), saved);
    std::vector<std::string> overwrite = import;
    overwrite.push_back("--overwrite");
    dir.write("cells.txt", "9\n");
    const BatchRun replaced = RunQuorinBatch(dir, overwrite);
    EXPECT_EQ(replaced.status, 0);
    EXPECT_NE(replaced.err.find("end with LF alone"), std::string::npos) << replaced.err;
    EXPECT_EQ(LinesOf(dir.read("JKT.DBS2")).at(5).substr(0, 6), " 9  0 ");
}

} // namespace
} // namespace quorin::test
