#include "scatter/scatterread.h"

#include "scatterfixture.h"

#include <gtest/gtest.h>

namespace quorin {
namespace {

using test::DiagramFile;
using test::Editor;
using Messages = std::vector<std::string>;

// Totals and cycles count only the cells that take part. A read that fails
// says so, leaves the grid, and its totals line shows what was summed before
// the error. (A file that ends early is in the report tests.)
TEST(ScatterRead, TotalsLineAfterAReadOrAnError)
{
    // Column 1 headed 10 instead of 0.5, column 2 headed 0 instead of 1.5.
    const DiagramFile tenThenZero { .periods = "10 0" + test::kPeriods.substr(7) };
    // What the file holds, the file, whether it reads, and the totals line.
    const std::tuple<const char*, std::string, bool, const char*> cases[] = {
        { "negative in total only",
            DiagramFile(tenThenZero).cell(5, 1, "100").cell(6, 3, "-5").text(), true,
            "Total :95  (129496.4)" },
        { "period 0, no occurrences", DiagramFile(tenThenZero).cell(1, 2, "-1").text(), true,
            "Total :-1  (0)" },
        { "years 0", DiagramFile { .years = "0" }.cell(3, 3, "2").text(), false, "Total :2  (0)" },
        { "period 0", DiagramFile(tenThenZero).cell(1, 1, "100").cell(1, 2, "7").text(), false,
            "Total :107  (129496.4)" },
        { "beyond single range", DiagramFile().cell(1, 1, "2").cell(1, 2, "4e38").text(), false,
            "Total :2  (42)" },
    };
    for (const auto& [name, text, read, expected] : cases) {
        Editor editor;
        editor.store.CyclesPerYear = 42; // an earlier read's
        editor.dir.write("DECK.DBS1", text);
        const std::string before = gridText(editor.grid);
        const bool ok = ReadScatter(editor.store, editor.context()).has_value();
        EXPECT_EQ(std::tuple(ok, editor.messages(), totalsLine(editor.store, '.'),
                      ok || gridText(editor.grid) == before),
            std::tuple(read, read ? Messages() : Messages { "Error in data file" }, expected, true))
            << name;
    }
}

// The 493 numbers after the boxes, on six lines or split anywhere.
TEST(ScatterRead, NumbersReadTheSameHoweverTheLinesBreak)
{
    const DiagramFile file = DiagramFile().cell(1, 1, "0.5").cell(7, 18, "12").cell(25, 18, "-3");
    std::string sixLines;
    for (const char* between : { (const char*)nullptr, " ", "\r\n", "\n", "\r", " ,\r\n" }) {
        Editor editor;
        editor.dir.write("DECK.DBS1", file.text(between));
        ASSERT_TRUE(ReadScatter(editor.store, editor.context())) << between;
        const std::string read = gridText(editor.grid) + totalsLine(editor.store, '.');
        if (!between)
            sixLines = read;
        EXPECT_EQ(read, sixLines) << between;
    }
}

TEST(ScatterRead, CommaInABoxShiftsEveryLaterField)
{
    Editor editor;
    editor.dir.write("DECK.DBS1", DiagramFile { .scaling = "1,5", .years = "2" }.text());
    ASSERT_TRUE(ReadScatter(editor.store, editor.context()));
    // Scaling and years, then the years text became the first height, the
    // last height the first period and the last period the first cell.
    const GridModel& g = editor.grid;
    EXPECT_EQ(editor.boxes.scalingFactor + " " + editor.boxes.years + " " + g.text(1, 0) + " "
            + g.text(0, 1) + " " + g.text(1, 1),
        "1 5 2 0.25 17.5");
}

TEST(ScatterSteepness, NonZeroCellsShowWaveLengthOverHeight)
{
    Editor editor;
    // Row 21 is headed 2.25, columns 9 and 10 are headed 8.5 and 9.5.
    editor.dir.write("DECK.DBS1", DiagramFile().cell(21, 9, "3").cell(21, 10, "-2").text());
    EXPECT_TRUE(openScatter(editor.store, editor.context(), true).read);
    const GridModel& g = editor.grid;
    EXPECT_EQ(g.text(21, 9) + "|" + g.text(21, 10) + "|" + g.text(21, 11) + "|" + g.text(0, 0),
        "50|63||0");
}

} // namespace
} // namespace quorin
