#include "common/linewriter.h"

#include "support/tempdir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>

namespace quorin {
namespace {

using test::TempDir;
using Mode = LineWriter::Mode;

DiskFiles files;

TEST(LineWriter, PrintZonesTabsLineEndsAndLargeOutput)
{
    TempDir dir;
    LineWriter out(files, dir.file("a.txt"), Mode::Create);
    out << " 2.5";
    out.nextZone() << " 7";
    out.nextZone() << " 1";
    out.endLine().nextZone() << "x";
    out.endLine() << "-1.234568E+07";
    out.nextZone() << "w";
    out.endLine() << "12345678901234";
    out.nextZone() << "y";
    out.endLine() << "ab";
    out.tabTo(5) << "c";
    out.tabTo(6) << "d";
    out.tabTo(2) << "e";
    out.endLine().line("last");
    std::string expected = " 2.5" + std::string(10, ' ') + " 7" + std::string(12, ' ') + " 1\r\n"
        + std::string(14, ' ') + "x\r\n-1.234568E+07 w\r\n12345678901234" + std::string(14, ' ')
        + "y\r\nab  cd\r\n e\r\nlast\r\n";
    for (int i = 0; i < 20000; ++i) { // more than the writer holds before it writes
        out.line(std::to_string(i));
        expected += std::to_string(i) + "\r\n";
    }
    out.close();
    EXPECT_EQ(dir.read("a.txt"), expected);
}

// A writer that stops before close: Create leaves what it wrote (cutting the
// longer old file), Replace and Append leave the old file as it was (and no
// file beside it). Append adding to an old file and making a missing one is in
// the end-to-end appends and the writer tests' selective assessment.
TEST(LineWriter, StoppedWriterLeavesByMode)
{
    const std::tuple<Mode, const char*, const char*> cases[] = { { Mode::Create, "new", "new" },
        { Mode::Replace, "old\r\n", "" }, { Mode::Append, "old\r\n", "" } };
    for (const auto& [mode, withOld, withoutOld] : cases) {
        TempDir dir;
        dir.write("old.txt", "old\r\n");
        LineWriter(files, dir.file("old.txt"), mode) << "new";
        LineWriter(files, dir.file("none.txt"), mode) << "new";
        EXPECT_EQ(dir.read("old.txt"), withOld);
        EXPECT_EQ(std::filesystem::exists(dir.file("none.txt")), *withoutOld != '\0');
        EXPECT_FALSE(std::filesystem::exists(LineWriter::replacingName(dir.file("old.txt"))));
    }
    TempDir dir;
    LineWriter out(files, dir.file("new.txt"), Mode::Replace);
    out.line("whole");
    EXPECT_FALSE(std::filesystem::exists(dir.file("new.txt"))) << "not in place before close";
    out.close();
    EXPECT_EQ(dir.read("new.txt"), "whole\r\n");
}

} // namespace
} // namespace quorin
