#include "scatter/scatterread.h"

#include "scatterfixture.h"

#include <gtest/gtest.h>

namespace quorin {
namespace {

using test::DiagramFile;
using test::Editor;
using Messages = std::vector<std::string>;

// Column 1 headed 10 instead of 0.5, column 2 headed 0 instead of 1.5.
const std::string kTenThenZero = "10 0" + test::kPeriods.substr(7);

// Totals and cycles count only the cells that take part. A read that fails
// says so, leaves the grid, and its totals line shows what was summed before
// the error; 42 cycles are an earlier read's.
TEST(ScatterRead, TotalsLineAfterAReadOrAnError)
{
    DiagramFile shortFile = DiagramFile().cell(1, 1, "4");
    shortFile.cells.pop_back();
    // What the file holds, the file, whether it reads, and the totals line.
    const std::tuple<const char*, std::string, bool, const char*> cases[] = {
        { "hundred in column ten", DiagramFile { .periods = kTenThenZero }.cell(5, 1, "100").text(),
            true, "Total :100  (129496.4)" },
        { "negative in total only",
            DiagramFile { .periods = kTenThenZero }.cell(5, 1, "100").cell(6, 3, "-5").text(), true,
            "Total :95  (129496.4)" },
        { "period 0, no occurrences",
            DiagramFile { .periods = kTenThenZero }.cell(1, 2, "-1").text(), true,
            "Total :-1  (0)" },
        { "years 0, no occurrences", DiagramFile { .years = "0" }.cell(2, 2, "-3").text(), true,
            "Total :-3  (0)" },
        { "years 0", DiagramFile { .years = "0" }.cell(3, 3, "2").text(), false, "Total :2  (0)" },
        { "period 0",
            DiagramFile { .periods = kTenThenZero }.cell(1, 1, "100").cell(1, 2, "7").text(), false,
            "Total :107  (129496.4)" },
        { "one number short", shortFile.text(), false, "Total :4  (42)" },
        { "shifted years not a number", DiagramFile { .scaling = "1,x" }.text(), false,
            "Total :0  (42)" },
        { "beyond single range", DiagramFile().cell(1, 1, "2").cell(1, 2, "4e38").text(), false,
            "Total :2  (42)" },
    };
    for (const auto& [name, text, read, expected] : cases) {
        SCOPED_TRACE(name);
        Editor editor;
        editor.store.CyclesPerYear = 42;
        editor.dir.write("DECK.DBS1", text);
        const std::string before = gridText(editor.grid);
        EXPECT_EQ(ReadScatter(editor.store, editor.context()).has_value(), read);
        EXPECT_EQ(editor.messages(), read ? Messages() : Messages { "Error in data file" });
        EXPECT_EQ(totalsLine(editor.store, '.'), expected);
        if (!read) {
            EXPECT_EQ(gridText(editor.grid), before);
        }
    }
}

TEST(ScatterRead, NumbersReadTheSameHoweverTheLinesBreak)
{
    const DiagramFile file = DiagramFile().cell(1, 1, "0.5").cell(7, 18, "12").cell(25, 18, "-3");
    Editor sixLines;
    sixLines.dir.write("DECK.DBS1", file.text());
    ASSERT_TRUE(ReadScatter(sixLines.store, sixLines.context()));
    EXPECT_EQ(sixLines.grid.text(1, 1), "0.5");
    for (const char* between : { " ", "\r\n", "\n", "\r", " ,\r\n" }) {
        Editor editor;
        editor.dir.write("DECK.DBS1", file.text(between));
        ASSERT_TRUE(ReadScatter(editor.store, editor.context())) << between;
        EXPECT_EQ(gridText(editor.grid), gridText(sixLines.grid)) << between;
        EXPECT_EQ(totalsLine(editor.store, '.'), totalsLine(sixLines.store, '.')) << between;
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

TEST(ScatterRead, MissingFileIsToldByBothReadsAndKeepsTheCycles)
{
    Editor editor;
    editor.boxes.direction = " 3 ";
    editor.dir.write("DECK.DBS03", DiagramFile().text());
    editor.store.ScatterTotal = 5;
    editor.store.CyclesPerYear = 7;
    const auto opened = openScatter(editor.store, editor.context(), true);
    EXPECT_FALSE(opened.read);
    EXPECT_EQ(editor.messages(), (Messages(2, "Scatter Diagram not Found")));
    EXPECT_EQ(editor.store.ScatterFileName, editor.dir.file("DECK.DBS3"));
    EXPECT_EQ(opened.totalsLine, "Total :0  (7)");
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

    Editor zeroHeight;
    zeroHeight.dir.write("DECK.DBS1",
        DiagramFile { .heights = "0 " + test::kHeights.substr(6) }.cell(1, 1, "1").text());
    EXPECT_FALSE(openScatter(zeroHeight.store, zeroHeight.context(), true).read);
    EXPECT_EQ(zeroHeight.messages(), Messages { "Error in data file" });
}

TEST(ScatterSteepness, YearsNeedOnlyDoublePrecision)
{
    // 1e39 is beyond single precision (the cycles read fails) but not beyond double.
    for (const auto& [years, errors] : { std::pair { "1e39", 1 }, { "one", 2 } }) {
        Editor editor;
        editor.dir.write("DECK.DBS1", DiagramFile { .years = years }.cell(21, 9, "3").text());
        EXPECT_FALSE(openScatter(editor.store, editor.context(), true).read);
        EXPECT_EQ(editor.messages(), Messages(errors, "Error in data file")) << years;
        EXPECT_EQ(editor.grid.text(0, 0), errors == 1 ? "0" : "") << years;
    }
}

} // namespace
} // namespace quorin
