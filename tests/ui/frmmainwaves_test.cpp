#include "common/viewsettings.h"
#include "mainform/wavechartpanel.h"
#include "ui/widgets.h"
#include "wavetable/wavegrid.h"

#include <QChart>
#include <QChartView>
#include <QScatterSeries>
#include <QTimer>
#include <QUndoStack>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <string_view>

namespace quorin {
namespace {

using test::Cell;

// The main view with its wave table on the desktop clipboard of Qt.
class WaveTableTest : public test::MainView {
protected:
    void SetUp() override { ASSERT_TRUE(test::showActive(view)); }

    // The data cells from row 1 down as range text (TAB, CR): put() empties
    // the cells the text does not reach, table() gives rows 1 to `last`.
    void put(const std::string& rows)
    {
        for (int i = 0; i < kWaveRowCount * 3; ++i)
            waves.setText(1 + i / 3, 1 + i % 3, "");
        waves.setCurrent(1, 1);
        waves.setSelectionEnd(kWaveRowCount, 3);
        waves.setRangeText(rows);
    }
    std::string table(int last = 3) const
    {
        std::string text;
        for (int r = 1; r <= last; ++r)
            text += waves.text(r, 1) + "\t" + waves.text(r, 2) + "\t" + waves.text(r, 3) + "|";
        return text;
    }
    // The rows shown in a text colour of their own, and the colour.
    std::string colouredRows() const
    {
        std::string rows;
        const QAbstractItemModel* cells = view.waveGrid()->model();
        for (int r = 0; r < cells->rowCount(); ++r)
            if (const QVariant colour = cells->data(cells->index(r, 1), Qt::ForegroundRole);
                colour.isValid())
                rows += std::to_string(r + 1) + colour.value<QColor>().name().toStdString();
        return rows;
    }
};

// A range selected with the mouse from one cell to another, then Cut, Paste
// or Copy by its button and by its key on the grid with the editor closed,
// and a Paste of text with line ends also by Ctrl+V in the editor: the
// clipboard and the table after it.
TEST_F(WaveTableTest, ButtonsAndKeysExchangeTheRangeWithTheClipboard)
{
    const char* const nines = "9\t9\t9\r9\t9\t9\r9\t9\t9";
    // The table, the cells pressed and released, the command (Command2's
    // index: 0 Cut, 1 Paste, 2 Copy), the clipboard (Paste's text, or what
    // Cut or Copy put on it), and rows 1 to 3 after it.
    const std::tuple<const char*, Cell, Cell, int, const char*, const char*> cases[] = {
        { "1\t2\t3\r4\t5\t6", { 1, 1 }, { 2, 3 }, 2, "1\t2\t3\r4\t5\t6", "1\t2\t3|4\t5\t6|\t\t|" },
        // A block pasted into one cell.
        { nines, { 3, 2 }, { 3, 2 }, 1, "1\t2\r3\t4", "9\t9\t9|9\t9\t9|9\t1\t9|" },
        // As a spreadsheet puts rows on the clipboard.
        { "", { 1, 1 }, { 2, 2 }, 1, "1.5\t10\r\n2.0\t12\r\n", "1.5\t10\t|2.0\t12\t|\t\t|" },
        { "-1.5\t 7\t.5", { 1, 1 }, { 1, 3 }, 2, "-1.5\t 7\t.5", "1.5\t7\t5|\t\t|\t\t|" },
        // Up and left: no clean-up. A line feed stays in its cell; a line or
        // field the text lacks leaves its cells.
        { "-1\t\t\r\t-2\t", { 2, 2 }, { 1, 1 }, 2, "-1\t\r\t-2", "-1\t\t|\t-2\t|\t\t|" },
        { nines, { 3, 3 }, { 1, 2 }, 1, "-a\t\tc\r\n-d", "9\t-a\t|9\t\n-d\t9|9\t9\t9|" },
        // Cut from the cell pressed.
        { "a\tb\tc\rd\te\tf\rg\th\ti", { 3, 2 }, { 1, 3 }, 0, "b\tc\re\tf\rh\ti",
            "a\t\t|d\t\t|g\t\t|" },
    };
    for (const auto& [cells, from, to, command, clipboard, after] : cases)
        for (const char* by : { "button", "grid key", "editor key" }) {
            if (by[0] == 'e' && !std::string_view(clipboard).contains('\n'))
                continue;
            SCOPED_TRACE(std::string(by) + " " + std::to_string(command) + " of " + cells);
            put(cells);
            platforms.clipboard.setText(command == 1 ? clipboard : "");
            test::drag(*view.waveGrid(), from, to);
            if (by[0] == 'b') {
                test::click(view, "Command2(" + std::to_string(command) + ")");
            } else {
                if (by[0] == 'g')
                    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
                QTest::keyClick(QApplication::focusWidget(), "XVC"[command], Qt::ControlModifier);
            }
            EXPECT_EQ(platforms.clipboard.text(), clipboard);
            EXPECT_EQ(table(), after);
            // The editor holds the current cell's text, so leaving it writes nothing new.
            EXPECT_EQ(view.waveGrid()->editor()->text().toStdString(),
                waves.text(waves.row(), waves.col()));
        }
}

// The interpolation and the refusals are in the row command tests.
TEST_F(WaveTableTest, InsertAfterShowsTheNewRowInRedAndTellsARefusal)
{
    put("\t\t\r\t\t\r8\t10\t2\r9\t12\t1\r7\t14\t");
    setup.NoOfWaves = 5;
    for (const int row : { 3, 6 }) { // 6 is the last wave once row 4 is in
        test::drag(*view.waveGrid(), { row, 1 }, { row, 1 });
        test::click(view, "Command4(0)");
    }
    EXPECT_EQ(colouredRows(), "4#ff0000");
    EXPECT_EQ(setup.NoOfWaves, 6);
    ASSERT_EQ(prompter.messages().size(), 1u);
    EXPECT_TRUE(prompter.messages()[0].text.starts_with("Insert After: row 6 is not followed"));
}

// Generate Default Waves: Cancel after a new steepness, then OK on the
// dialog opened again with that steepness; the table it makes is in the
// default wave tests.
TEST_F(WaveTableTest, DefaultWavesCommandOkFillsTwentyRowsAndCancelNone)
{
    setup.WaveSteepness = 22;
    for (const bool ok : { false, true }) {
        SCOPED_TRACE(ok ? "OK" : "Cancel");
        setup.NoOfWaves = 21;
        put("\r\t\t9" + std::string(19, '\r') + "old");
        waves.setCurrent(2, 3);
        const std::string before = table(21);
        const std::size_t told = prompter.messages().size();
        QTimer::singleShot(0, &view, [ok] {
            QWidget* dialog = QApplication::activeModalWidget();
            ASSERT_TRUE(dialog);
            auto* steepness = test::child<QLineEdit>(*dialog, "txtREAL(1)");
            EXPECT_EQ(steepness->text(), ok ? "18" : "22");
            steepness->setText("18");
            test::click(*dialog, ok ? "OKButton" : "CancelButton");
        });
        test::click(view, "Command3");
        EXPECT_EQ(std::tuple(setup.NoOfWaves, setup.WaveSteepness, prompter.messages().size()),
            std::tuple(ok ? 20 : 21, 18.0f, told + ok));
        if (ok) {
            EXPECT_EQ(waves.text(20, 2) + " " + prompter.messages().back().text,
                "14.00 Frequency increment is 0.1087 Rad/s");
        } else {
            EXPECT_EQ(table(21), before);
        }
        EXPECT_TRUE(view.waveGrid()->editorOpen());
        EXPECT_EQ(view.waveGrid()->editor()->text().toStdString(), waves.text(2, 3));
    }
}

// Each command of the wave table undone gives the table back as before it,
// redone as after it.
TEST_F(WaveTableTest, EveryCommandOfTheWaveTableIsOneUndoStep)
{
    put("2.5\t8\t1\r-3\t10\t2\r4\t12\t1\r5\t13\t1\r6\t14\t2");
    setup.NoOfWaves = 5;
    setup.WaveSteepness = 22;
    platforms.clipboard.setText("-7\t7");
    GridView& grid = *view.waveGrid();
    QUndoStack& stack = *view.findChild<QUndoStack*>();
    // What a command may change and undo must give back: every cell's text,
    // headings included, each row's text colour, and the wave count.
    const auto state = [&] {
        std::string state = std::to_string(setup.NoOfWaves) + colouredRows();
        for (int r = 0; r < waves.rows(); ++r)
            for (int c = 0; c < waves.cols(); ++c)
                state += "|" + waves.text(r, c);
        return state;
    };
    // The cell made current ({ 0, 0 }: the one the last command left), then
    // keys for the cell editor opened on it, or a button.
    const std::pair<Cell, const char*> commands[] = {
        { { 1, 2 }, "'9.5 Enter" }, { { 0, 0 }, "Esc Del" }, { { 0, 0 }, "Command2(1)" }, // Paste
        { { 2, 1 }, "Command2(2)" }, // Copy's clean-up: "-3" loses its sign
        { { 0, 0 }, "Command2(0)" }, // Cut
        { { 3, 1 }, "Command4(0)" }, // Insert After
        { { 0, 0 }, "Command4(1)" }, // Toggle Freq Rad/s
        { { 0, 0 }, "Command3" }, // Generate Default Waves, then OK
    };
    for (const auto& [cell, command] : commands) {
        SCOPED_TRACE(command);
        if (cell.first)
            waves.setCurrent(cell.first, cell.second);
        const std::string before = state();
        const int steps = stack.count();
        if (std::string_view(command).starts_with("Command")) {
            QTimer::singleShot(0, &view, [] {
                if (QWidget* dialog = QApplication::activeModalWidget())
                    test::click(*dialog, "OKButton");
            });
            test::click(view, command);
        } else {
            grid.OpenCellEditor();
            test::runSteps(command, test::pressKeys);
        }
        const std::string after = state();
        ASSERT_NE(after, before);
        EXPECT_EQ(stack.count(), steps + 1);
        stack.undo();
        EXPECT_EQ(state(), before);
        stack.redo();
        EXPECT_EQ(state(), after);
    }
    // In the cell editor Ctrl+Z undoes the typing first, then the last command.
    waves.setCurrent(1, 1);
    const std::string first = waves.text(1, 1);
    ASSERT_TRUE(test::showActive(view)); // the default waves dialog had it
    grid.OpenCellEditor();
    test::runSteps("'7 Enter '123 ^Z", test::pressKeys);
    EXPECT_EQ(
        waves.text(1, 1) + "|" + grid.editor()->text().toStdString(), "7|" + waves.text(2, 1));
    test::runSteps("^Z", test::pressKeys);
    EXPECT_EQ(waves.text(1, 1), first);
}

// The program's own settings, in memory; a missing key reads as "".
struct MemoryViewSettings : ViewSettings {
    std::string value(const std::string& key) const override
    {
        return values.contains(key) ? values.at(key) : "";
    }
    void setValue(const std::string& key, const std::string& v) override { values[key] = v; }
    std::map<std::string, std::string> values;
};

// The chart follows the cells, and a click on a wave makes its row current.
// Whether it is shown is kept for the next run.
TEST_F(WaveTableTest, ChartRedrawsAsCellsChangeAndAClickChoosesTheRow)
{
    MemoryViewSettings settings;
    view.keepViewState(settings);
    WaveChartPanel& panel = *view.waveChart();
    EXPECT_TRUE(panel.isHidden());
    test::click(view, "cmdCHART");
    EXPECT_TRUE(panel.isVisible());
    Session next;
    frmMain reopened { next, platforms.platform() };
    reopened.keepViewState(settings);
    EXPECT_FALSE(reopened.waveChart()->isHidden());
    EXPECT_EQ(test::accessibleName(panel.chartView()), "Wave Chart");
    EXPECT_EQ(test::accessibleName(test::child(view, "WaveFacts")), "Wave Facts");

    setup.NoOfWaves = 3;
    put("1\t5\t1\r4\t8\t2\r3\t3\t2");
    QApplication::processEvents();
    const auto series = [&panel](const char* name) {
        QScatterSeries* found = nullptr;
        for (QAbstractSeries* each : panel.chart()->series())
            if (each->name() == QLatin1String(name))
                found = qobject_cast<QScatterSeries*>(each);
        return found;
    };
    const auto facts = [this] { return control<QLabel>("WaveFacts")->text().toStdString(); };
    QScatterSeries* stokes = series("Stokes fifth order");
    ASSERT_EQ(series("Linear")->count(), 1);
    ASSERT_EQ(stokes->count(), 2);
    EXPECT_TRUE(facts().starts_with("Wave 1: 1.257 rad/s")) << facts();

    // A click on the second Stokes wave, row 3's.
    const QPointF inChart = panel.chart()->mapToPosition(stokes->at(1), stokes);
    const QPoint at = panel.chartView()->mapFromScene(panel.chart()->mapToScene(inChart));
    QTest::mouseClick(panel.chartView()->viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(waves.row(), 3);
    EXPECT_TRUE(facts().ends_with("this wave would break")) << facts();
    EXPECT_EQ(series("Current row")->at(0), QPointF(3, 3));
}

} // namespace
} // namespace quorin
