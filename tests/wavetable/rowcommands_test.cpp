#include "wavetable/insertafter.h"
#include "wavetable/togglefrequency.h"
#include "wavetable/waveclipboard.h"
#include "wavetable/wavetablefixture.h"

#include "support/scripted.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorin {
namespace {

// Rows 1 to periods.size() hold waves "h<i>" with the given periods and theory <i>.
struct Table {
    GridModel grid = test::waveTable("");
    std::int16_t noOfWaves = 0;
    WaveViewState view;

    explicit Table(const std::vector<std::string>& periods)
    {
        for (const auto& period : periods) {
            const std::string i = std::to_string(++noOfWaves);
            for (const auto& [col, text] : { std::pair { 1, "h" + i }, { 2, period }, { 3, i } })
                grid.setText(noOfWaves, col, text);
        }
    }
    Result<void> insertAfterRow(int row)
    {
        grid.setCurrent(row, 2);
        return insertAfter(grid, noOfWaves, view, '.');
    }
    // Every row's height, period and theory, joined by "/", rows by "|".
    std::string rows(int last = kWaveRowCount) const
    {
        std::string out;
        for (int r = 1; r <= last; ++r)
            out += grid.text(r, 1) + "/" + grid.text(r, 2) + "/" + grid.text(r, 3) + "|";
        return out;
    }
};

TEST(InsertAfter, InterpolatesBetweenTheRowAndTheNext)
{
    Table t({ "8", "9", "10", "12", "13" });
    t.view.interpolatedRows = { 2, 4, 6, 9 };
    ASSERT_TRUE(t.insertAfterRow(3).has_value());
    EXPECT_EQ(t.noOfWaves, 6);
    EXPECT_EQ(t.rows(7), "h1/8/1|h2/9/2|h3/10/3|10.32/10.91/3|h4/12/4|h5/13/5|//|");
    EXPECT_EQ(t.grid.text(5, 0), "5");
    EXPECT_EQ(t.grid.row(), 3);
    // 4 moved to 5, 6 was overwritten by wave 5, 2 and 9 stayed; 4 is the new wave.
    EXPECT_EQ(t.view.interpolatedRows, (std::set<int> { 2, 4, 5, 9 }));
}

TEST(InsertAfter, RefusalsNameTheRowAndChangeNothing)
{
    const std::vector<std::string> full(100, "10");
    // The periods of the table's waves, the row, and the start of the refusal.
    const std::tuple<std::vector<std::string>, int, const char*> cases[] = {
        { { "10", "12" }, 2, "Insert After: row 2 is not followed by another wave" },
        { { "10", "12" }, 5, "Insert After: row 5 is not followed by another wave" },
        { { "", "12" }, 1, "Insert After: row 1 has no period" },
        { { "10", "0" }, 1, "Insert After: row 2 has no period" },
        { { "10", "abc" }, 1, "Insert After: row 2 has no period" },
        { { "10", "-10" }, 1, "Insert After: the periods of rows 1 and 2 give no wave" },
        { full, 50, "Insert After: the table already holds 100 waves" },
    };
    for (const auto& [periods, row, message] : cases) {
        Table t(periods);
        const std::string before = t.rows();
        const auto result = t.insertAfterRow(row);
        ASSERT_FALSE(result.has_value()) << message;
        EXPECT_TRUE(result.error().message.starts_with(message)) << result.error().message;
        EXPECT_EQ(t.noOfWaves, static_cast<int>(periods.size()));
        EXPECT_EQ(t.rows(), before);
        EXPECT_TRUE(t.view.interpolatedRows.empty());
    }
}

// Rad/s, rows without a period getting an empty heading, then row numbers again.
TEST(ToggleFrequency, RowsWithoutAPeriodGetAnEmptyHeading)
{
    Table t({ "10", "12.5", "7", "", "0", "abc", "1e-300" });
    toggleFrequency(t.grid, t.noOfWaves, t.view, ',');
    EXPECT_TRUE(t.view.RadPerSecShown);
    std::string headings;
    for (int r = 1; r <= 8; ++r)
        headings += t.grid.text(r, 0) + "|";
    EXPECT_EQ(headings, "0,628|0,503|0,898|||||8|");
    EXPECT_EQ(t.grid.text(1, 2), "10");
    toggleFrequency(t.grid, t.noOfWaves, t.view, ',');
    EXPECT_FALSE(t.view.RadPerSecShown);
    EXPECT_EQ(t.grid.text(1, 0) + t.grid.text(4, 0) + t.grid.text(7, 0), "147");
}

// Cut empties only what the anchor's block reaches, so its clean-up shows
// when the anchor is not the current cell. The main view's tests cover the
// rest of Cut, Copy and Paste.
TEST(WaveClipboard, CutCleansUpFromTheCurrentCell)
{
    Table t({ " 7" });
    t.grid.setText(1, 1, "-1.5");
    t.grid.setText(1, 3, ".5");
    t.grid.setSelectionEnd(1, 3);
    t.grid.setAnchor(1, 3);
    test::MemoryClipboard clipboard;
    cutWaves(t.grid, clipboard);
    EXPECT_EQ(t.rows(1), "//5|");
    EXPECT_EQ(clipboard.text(), "-1.5\t 7\t.5");
}

} // namespace
} // namespace quorin
