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
    // Rows 1 to `last`: height, period and theory joined by "/", then "|".
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
    t.grid.setCurrent(3, 2);
    ASSERT_TRUE(insertAfter(t.grid, t.noOfWaves, t.view, '.').has_value());
    EXPECT_EQ(std::pair(t.noOfWaves, t.grid.row()), (std::pair<std::int16_t, int>(6, 3)));
    EXPECT_EQ(t.rows(7), "h1/8/1|h2/9/2|h3/10/3|10.32/10.91/3|h4/12/4|h5/13/5|//|");
    // 4 moved to 5, 6 was overwritten by wave 5, 2 and 9 stayed; 4 is the new wave.
    EXPECT_EQ(t.view.interpolatedRows, (std::set<int> { 2, 4, 5, 9 }));
}

TEST(InsertAfter, RefusalsNameTheRowAndChangeNothing)
{
    // The periods of the table's waves, the row, and the start of the refusal.
    const std::tuple<std::vector<std::string>, int, const char*> cases[] = {
        { { "10", "12" }, 2, "Insert After: row 2 is not followed by another wave" },
        { { "", "12" }, 1, "Insert After: row 1 has no period" },
        { { "10", "0" }, 1, "Insert After: row 2 has no period" },
        { { "10", "-10" }, 1, "Insert After: the periods of rows 1 and 2 give no wave" },
        { std::vector<std::string>(100, "10"), 50, "Insert After: the table already holds 100" },
    };
    for (const auto& [periods, row, message] : cases) {
        Table t(periods);
        const std::string before = t.rows();
        t.grid.setCurrent(row, 2);
        const auto result = insertAfter(t.grid, t.noOfWaves, t.view, '.');
        ASSERT_FALSE(result.has_value()) << message;
        EXPECT_TRUE(result.error().message.starts_with(message)) << result.error().message;
        EXPECT_EQ(std::tuple(static_cast<std::size_t>(t.noOfWaves), t.rows(),
                      t.view.interpolatedRows.size()),
            std::tuple(periods.size(), before, 0u));
    }
}

// Rad/s, rows without a period or beyond single precision getting an empty
// heading, then row numbers again.
TEST(ToggleFrequency, RowsWithoutAPeriodGetAnEmptyHeading)
{
    Table t({ "10", "12.5", "", "1e-300" });
    std::string headings;
    for (int click = 1; click <= 2; ++click) {
        toggleFrequency(t.grid, t.noOfWaves, t.view, ',');
        for (int r = 1; r <= 5; ++r)
            headings += t.grid.text(r, 0) + "|";
    }
    EXPECT_EQ(headings, "0,628|0,503|||5|1|2|3|4|5|");
}

// Cut empties only what the anchor's block reaches, so its clean-up shows
// when the anchor is not the current cell. The main view's tests cover the
// rest of Cut, Copy and Paste.
TEST(WaveClipboard, CutCleansUpFromTheCurrentCell)
{
    GridModel grid = test::waveTable("-1.5\t 7\t.5");
    grid.setSelectionEnd(1, 3);
    grid.setAnchor(1, 3);
    test::MemoryClipboard clipboard;
    cutWaves(grid, clipboard);
    EXPECT_EQ(clipboard.text() + "|" + grid.rangeText(), "-1.5\t 7\t.5|\t\t5");
}

} // namespace
} // namespace quorin
