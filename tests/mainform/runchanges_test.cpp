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
    const std::string withThree = numbered(5) + "a\r\nb\r\nc\r\n" + ten.substr(numbered(5).size());
    const std::string moved = numbered(2)
        + ten.substr(numbered(3).size(), numbered(8).size() - numbered(3).size()) + "x\r\n"
        + ten.substr(numbered(8).size());
    // The file, its bytes before (none: no file) and written, then "new",
    // "same" or "changed", the lines that differ and the lines shown.
    struct Case {
        const char* name;
        std::optional<std::string> before;
        std::string after;
        const char* change;
        Mode mode = Mode::Replace;
    } const cases[] = {
        { "JKT.@F1", std::nullopt, ten, "new 0 0" },
        // A load data file's date and time alone is no change; elsewhere it is.
        { "JKT.@F12", stamped("09:05:07"), stamped("17:44:01"), "same 0 0" },
        { "JKT.BRSF", stamped("09:05:07"), stamped("17:44:01"), "changed 1 2" },
        { "JKT.@F3", stamped("09:05:07"), stamped("17:44:01", "90"), "changed 1 2" },
        { "JKT.DFS", ten, numbered(10, 4, 100), "changed 1 2" }, // one line rewritten
        { "JKT.C90", ten, withThree, "changed 3 3" }, // three lines added
        { "JKT.C90", ten, moved, "changed 2 2" }, // a line dropped, another added
        { "JKT.C110", "a\r\nb\r\n", "a\nb\r\n", "changed 1 2" }, // CR LF become LF
        { "JKT.BRSF", numbered(40), numbered(40, 11), "changed 30 40" }, // the first 20 shown
        { "JKT.BRSF", numbered(2400), numbered(2400, 1, 2), "changed 1200 40" },
        { "JKT.BRSF", ten, "more\r\n", "changed 1 1", Mode::Append },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.after.substr(0, 40));
        const test::TempDir dir;
        if (c.before)
            dir.write(c.name, *c.before);
        DiskFiles disk;
        ComparingFiles dryRun(disk, ComparingFiles::Mode::DryRun);
        LineWriter out(dryRun, dir.file(c.name), c.mode);
        out << c.after;
        out.close();
        const FileChanges changes = changesOf(dryRun);
        ASSERT_EQ(changes.files.size(), 1u);
        const FileChange& file = changes.files[0];
        const char* status[] = { "new", "same", "changed" };
        EXPECT_EQ(status[static_cast<int>(file.status)]
                + (" " + std::to_string(file.diff.differing)) + " "
                + std::to_string(file.diff.shown.size()),
            c.change);
        EXPECT_EQ(readWholeFile(dir.file(c.name)), c.before);
        EXPECT_FALSE(fileExists(LineWriter::replacingName(dir.file(c.name))));
    }
}

TEST(RunChanges, CountsCarryThousandsSeparators)
{
    const std::pair<int, const char*> cases[] = { { 0, "0" }, { 999, "999" }, { 1000, "1,000" },
        { 2386, "2,386" }, { 1234567, "1,234,567" } };
    for (const auto& [count, text] : cases)
        EXPECT_EQ(withThousands(count), text);
}

} // namespace
} // namespace quorin
