#include "common/comparingfiles.h"
#include "common/linewriter.h"
#include "common/textfile.h"
#include "mainform/runchanges.h"
#include "support/tempdir.h"

#include <gtest/gtest.h>

#include <optional>

namespace quorin {
namespace {

using Mode = LineWriter::Mode;

// Lines "line 1" to "line n", each ended by CR LF; every step-th from `from` reads "LINE k".
std::string numbered(int n, int from = 0, int step = 1)
{
    std::string text;
    for (int k = 1; k <= n; ++k)
        text += (from > 0 && k >= from && (k - from) % step == 0 ? "LINE " : "line ")
            + std::to_string(k) + "\r\n";
    return text;
}

std::string stamped(const char* time, const char* depth = "113.3")
{
    return "\r\nVelmar\r\n\r\nOstrel\r\n\r\nDate:06/12/2026  Time:" + std::string(time)
        + "\r\n\r\nWDEPTH, " + depth + "\r\n";
}

// A file the dry run writes over, or adds to, one that was there (or none):
// what it is called and how many lines differ; the folder keeps the old file.
TEST(RunChanges, EachFileIsNewSameOrChangedByItsDifferingLines)
{
    const std::string ten = numbered(10);
    std::string moved = ten; // a line dropped, another added
    moved.insert(moved.find("line 9"), "x\r\n").erase(moved.find("line 3"), 8);
    // The file, its bytes before (none: no file) and written, then "new",
    // "same" or "changed", the lines that differ and the lines shown.
    const std::tuple<const char*, std::optional<std::string>, std::string, const char*, Mode>
        cases[] = {
            { "JKT.@F1", std::nullopt, ten, "new 0 0", Mode::Replace },
            // A load data file's date and time alone is no change; elsewhere it is.
            { "JKT.@F12", stamped("09:05:07"), stamped("17:44:01"), "same 0 0", Mode::Replace },
            { "JKT.BRSF", stamped("09:05:07"), stamped("17:44:01"), "changed 1 2", Mode::Replace },
            { "JKT.@F3", stamped("09:05:07"), stamped("17:44:01", "90"), "changed 1 2",
                Mode::Replace },
            { "JKT.DFS", ten, numbered(10, 4, 100), "changed 1 2", Mode::Replace },
            { "JKT.C90", ten, std::string(ten).insert(numbered(5).size(), "a\r\nb\r\nc\r\n"),
                "changed 3 3", Mode::Replace },
            { "JKT.C90", ten, moved, "changed 2 2", Mode::Replace },
            { "JKT.C110", "a\r\nb\r\n", "a\nb\r\n", "changed 1 2", Mode::Replace }, // CR LF to LF
            // Too many changes to pair lines up: compared place by place; 40 lines shown at most.
            { "JKT.BRSF", numbered(2400), numbered(2400, 1, 2), "changed 1200 40", Mode::Replace },
            { "JKT.BRSF", ten, "more\r\n", "changed 1 1", Mode::Append },
        };
    for (const auto& [name, before, after, change, mode] : cases) {
        SCOPED_TRACE(after.substr(0, 40));
        const test::TempDir dir;
        if (before)
            dir.write(name, *before);
        DiskFiles disk;
        ComparingFiles dryRun(disk, ComparingFiles::Mode::DryRun);
        LineWriter out(dryRun, dir.file(name), mode);
        out << after;
        out.close();
        const FileChanges changes = changesOf(dryRun);
        ASSERT_EQ(changes.files.size(), 1u);
        const FileChange& file = changes.files[0];
        const char* status[] = { "new", "same", "changed" };
        EXPECT_EQ(status[static_cast<int>(file.status)]
                + (" " + std::to_string(file.diff.differing)) + " "
                + std::to_string(file.diff.shown.size()),
            change);
        EXPECT_EQ(readWholeFile(dir.file(name)), before);
        EXPECT_FALSE(fileExists(LineWriter::replacingName(dir.file(name))));
    }
}

TEST(RunChanges, CountsCarryThousandsSeparators)
{
    EXPECT_EQ(withThousands(999) + " " + withThousands(1000) + " " + withThousands(1234567),
        "999 1,000 1,234,567");
}

} // namespace
} // namespace quorin
