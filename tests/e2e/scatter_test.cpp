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
    std::vector<std::string> import
        = { "scatter", "2", "--model", "JKT", "--import", "cells.txt", "--years", "2" };
    EXPECT_EQ(RunQuorinBatch(dir, import).out, "Wrote JKT.DBS2\n");
    const std::string saved = dir.read("JKT.DBS2");
    const auto lines = LinesOf(saved);
    // Spectrum, scaling and years, then rows 1 and 2 of the cells (no line feed in them).
    EXPECT_EQ(lines.at(0) + lines.at(1) + lines.at(2) + "|" + lines.at(5).substr(0, 9) + "|"
            + lines.at(5).substr(18 * 3, 8),
        "112| 0  5  0 | 3  4.5 ");

    // An existing file is replaced only when --overwrite answers the question.
    dir.write("cells.txt", "9");
    const BatchRun refused = RunQuorinBatch(dir, import);
    EXPECT_EQ(std::tuple(refused.status, refused.err, dir.read("JKT.DBS2")),
        std::tuple(1, "Overwrite existing data\nUse --overwrite to replace it.\n", saved));
    import.push_back("--overwrite");
    dir.write("cells.txt", "9\n");
    const std::string warned = RunQuorinBatch(dir, import).err;
    EXPECT_NE(warned.find("end with LF alone"), std::string::npos) << warned;
    EXPECT_EQ(LinesOf(dir.read("JKT.DBS2")).at(5).substr(0, 6), " 9  0 ");
}

} // namespace
} // namespace quorin::test
