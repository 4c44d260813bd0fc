#include "common/viewsettings.h"
#include "mainform/wavechartpanel.h"
#include "ui/widgets.h"
#include "wavetable/wavegrid.h"

#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QScatterSeries>
#include <QTimer>
#include <QUndoStack>

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace quorin {
namespace {

using test::accessibleName;
using test::Cell;

// The main view with its wave table on the desktop clipboard of Qt.
class WaveTableTest : public test::MainView {
protected:
    void SetUp() override { ASSERT_TRUE(test::showActive(view)); }

    // The data cells from row 1 down as range text (TAB, CR), empty rows at the end left
    // out; put() empties the cells the text does not reach.
    void put(const std::string& rows)
    {
        for (int r = 1; r <= kWaveRowCount; ++r)
            for (int c = 1; c <= 3; ++c)
                waves.setText(r, c, "");
        waves.setCurrent(1, 1);
        waves.setSelectionEnd(kWaveRowCount, 3);
        waves.setRangeText(rows);
    }
    std::string table() const
    {
        int last = kWaveRowCount;
        while (
            last > 0 && (waves.text(last, 1) + waves.text(last, 2) + waves.text(last, 3)).empty())
            --last;
        std::string text;
        for (int r = 1; r <= last; ++r)
            text += (r > 1 ? "\r" : "") + waves.text(r, 1) + "\t" + waves.text(r, 2) + "\t"
                + waves.text(r, 3);
        return text;
    }
    // The editor holds the current cell's text, so leaving the cell writes nothing new.
    void expectEditorOnTheCurrentCell() const
    {
        EXPECT_EQ(
            view.waveGrid()->editor()->text().toStdString(), waves.text(waves.row(), waves.col()));
    }
};

// The table and the clipboard, a range selected with the mouse from one cell
// to another, something typed into the editor (never stored), then a button
// or a key: the clipboard and the table after it.
TEST_F(WaveTableTest, ButtonsAndKeysExchangeTheRangeWithTheClipboard)
{
    const char* const nines = "9\t9\t9\r9\t9\t9\r9\t9\t9";
    const char* const rows = "1.5\t10\r\n2.0\t12\r\n"; // as a spreadsheet puts them
    struct Case {
        const char* table;
        Cell from, to;
        const char* clipboard;
        const char* action; // a button's object name, "grid ^C" or "editor ^V"
        const char* clipboardAfter;
        const char* tableAfter;
        const char* typed = "";
    } const cases[] = {
        { "1\t2\t3\r4\t5\t6", { 1, 1 }, { 2, 3 }, "", "Command2(2)", "1\t2\t3\r4\t5\t6",
            "1\t2\t3\r4\t5\t6" },
        { "1\t2\t3\r4\t5\t6", { 1, 1 }, { 2, 3 }, "", "grid ^C", "1\t2\t3\r4\t5\t6",
            "1\t2\t3\r4\t5\t6" },
        { "1\t\t", { 1, 1 }, { 1, 1 }, "", "Command2(2)", "1", "1\t\t", "99" },
        // A block pasted into one cell.
        { nines, { 3, 2 }, { 3, 2 }, "1\t2\r3\t4", "Command2(1)", "1\t2\r3\t4",
            "9\t9\t9\r9\t9\t9\r9\t1\t9" },
        { "", { 1, 1 }, { 2, 2 }, rows, "editor ^V", rows, "1.5\t10\t\r2.0\t12\t" },
        { "-1.5\t 7\t.5", { 1, 1 }, { 1, 3 }, "", "Command2(2)", "-1.5\t 7\t.5", "1.5\t7\t5" },
        // Up and left: no clean-up. A line feed stays in its cell; a line or
        // field the text lacks leaves its cells.
        { "-1\t\t\r\t-2\t", { 2, 2 }, { 1, 1 }, "", "Command2(2)", "-1\t\r\t-2", "-1\t\t\r\t-2\t" },
        { nines, { 3, 3 }, { 1, 2 }, "-a\t\tc\r\n-d", "Command2(1)", "-a\t\tc\r\n-d",
            "9\t-a\t\r9\t\n-d\t9\r9\t9\t9" },
        // Cut from the cell pressed.
        { "a\tb\tc\rd\te\tf\rg\th\ti", { 3, 2 }, { 1, 3 }, "", "Command2(0)", "b\tc\re\tf\rh\ti",
            "a\t\t\rd\t\t\rg\t\t" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.action) + " of " + c.table);
        put(c.table);
        platforms.clipboard.setText(c.clipboard);
        test::drag(*view.waveGrid(), c.from, c.to);
        QTest::keyClicks(QApplication::focusWidget(), QString::fromLatin1(c.typed));
        const std::string action = c.action;
        if (action == "grid ^C")
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        if (action.find('^') != std::string::npos)
            QTest::keyClick(QApplication::focusWidget(), action.back(), Qt::ControlModifier);
        else
            test::click(view, c.action);
        EXPECT_EQ(platforms.clipboard.text(), c.clipboardAfter);
        EXPECT_EQ(table(), c.tableAfter);
        expectEditorOnTheCurrentCell();
    }
}

// The interpolation and the refusals are in the row command tests.
TEST_F(WaveTableTest, InsertAfterShowsTheNewRowInRedAndTellsARefusal)
{
    put("\t\t\r\t\t\r8\t10\t2\r9\t12\t1\r7\t14\t");
    setup.NoOfWaves = 5;
    test::drag(*view.waveGrid(), { 3, 1 }, { 3, 1 });
    test::click(view, "Command4(0)");
    EXPECT_EQ(setup.NoOfWaves, 6);
    const QAbstractItemModel* cells = view.waveGrid()->model();
    std::string coloured; // the rows with a text colour, and the colour
    for (int row = 1; row <= 7; ++row)
        if (const QVariant colour = cells->data(cells->index(row - 1, 1), Qt::ForegroundRole);
            colour.isValid())
            coloured += std::to_string(row) + colour.value<QColor>().name().toStdString();
    EXPECT_EQ(coloured, "4#ff0000");
    EXPECT_TRUE(prompter.messages().empty());

    test::drag(*view.waveGrid(), { 6, 2 }, { 6, 2 });
    test::click(view, "Command4(0)");
    ASSERT_EQ(prompter.messages().size(), 1u);
    EXPECT_NE(prompter.messages()[0].text.find("row 6"), std::string::npos);
    EXPECT_EQ(setup.NoOfWaves, 6);
}

// Generate Default Waves, OK with the defaults or Cancel after a new
// steepness; the table it makes is in the default wave tests.
TEST_F(WaveTableTest, DefaultWavesCommandOkFillsTwentyRowsAndCancelNone)
{
    for (const bool ok : { true, false }) {
        SCOPED_TRACE(ok ? "OK" : "Cancel");
        setup.WaveSteepness = 22;
        setup.NoOfWaves = 21;
        put(std::string(20, '\r') + "old");
        waves.setText(2, 3, "9");
        waves.setCurrent(2, 3);
        const std::string before = table();
        const std::size_t told = prompter.messages().size();
        QTimer::singleShot(0, &view, [ok] {
            QWidget* dialog = QApplication::activeModalWidget();
            ASSERT_TRUE(dialog);
            test::child<QLineEdit>(*dialog, "txtREAL(1)")->setText(ok ? "22" : "18");
            test::click(*dialog, ok ? "OKButton" : "CancelButton");
        });
        test::click(view, "Command3");
        EXPECT_EQ(setup.NoOfWaves, ok ? 20 : 21);
        EXPECT_EQ(setup.WaveSteepness, ok ? 22.0f : 18.0f);
        if (ok) {
            EXPECT_EQ(waves.text(20, 2), "14.00");
            ASSERT_EQ(prompter.messages().size(), told + 1);
            EXPECT_EQ(prompter.messages().back().text, "Frequency increment is 0.1087 Rad/s");
        } else {
            EXPECT_EQ(prompter.messages().size(), told);
            EXPECT_EQ(table(), before);
        }
        EXPECT_TRUE(view.waveGrid()->editorOpen());
        expectEditorOnTheCurrentCell();
    }
}

// Undo and redo of the wave table, from a table of five waves.
class Undo : public WaveTableTest {
protected:
    void SetUp() override
    {
        WaveTableTest::SetUp();
        put("2.5\t8\t1\r-3\t10\t2\r4\t12\t1\r5\t13\t1\r6\t14\t2");
        setup.NoOfWaves = 5;
        setup.WaveSteepness = 22;
        waves.setCurrent(2, 1);
    }
    // What a command may change and undo must give back: every cell's text,
    // headings included, each row's text colour, and the wave count.
    std::string state() const
    {
        std::string state = std::to_string(setup.NoOfWaves);
        for (int r = 0; r < waves.rows(); ++r)
            for (int c = 0; c < waves.cols(); ++c)
                state += "|" + waves.text(r, c);
        const QAbstractItemModel* table = grid.model();
        for (int r = 0; r < table->rowCount(); ++r)
            state += table->data(table->index(r, 0), Qt::ForegroundRole)
                         .value<QColor>()
                         .name()
                         .toStdString();
        return state;
    }
    QUndoStack& stack() { return *view.findChild<QUndoStack*>(); }
    // Types a text into the current cell and commits it with Enter.
    void type(const QString& text)
    {
        grid.OpenCellEditor();
        QTest::keyClicks(grid.editor(), text);
        QTest::keyClick(grid.editor(), Qt::Key_Return);
    }

    GridView& grid = *view.waveGrid();
};

// Each command undone gives the grid back as before it, redone as after it;
// then everything undone from the last gives the opening grid.
TEST_F(Undo, EveryCommandOfTheWaveTableIsOneStepBackAndForth)
{
    platforms.clipboard.setText("-7\t7");
    // The cell made current ({ 0, 0 }: the one the last command left), then
    // "'text" typed into it and Enter, "Del" pressed on the grid, or a button.
    const std::pair<Cell, const char*> commands[] = {
        { { 1, 2 }, "'9.5" }, { { 0, 0 }, "Del" }, { { 0, 0 }, "Command2(1)" }, // Paste
        { { 2, 1 }, "Command2(2)" }, // Copy's clean-up: "-3" loses its sign
        { { 0, 0 }, "Command2(0)" }, // Cut
        { { 3, 1 }, "Command4(0)" }, // Insert After
        { { 0, 0 }, "Command4(1)" }, // Toggle Freq Rad/s
        { { 0, 0 }, "Command3" }, // Generate Default Waves, then OK
    };
    const std::string opening = state();
    for (const auto& [cell, command] : commands) {
        SCOPED_TRACE(command);
        if (cell.first)
            waves.setCurrent(cell.first, cell.second);
        const std::string before = state();
        const int steps = stack().count();
        if (command[0] == '\'') {
            type(command + 1);
        } else if (command == std::string("Del")) {
            grid.OpenCellEditor();
            QTest::keyClick(grid.editor(), Qt::Key_Escape);
            QTest::keyClick(&grid, Qt::Key_Delete);
        } else {
            QTimer::singleShot(0, &view, [] {
                if (QWidget* dialog = QApplication::activeModalWidget())
                    test::click(*dialog, "OKButton");
            });
            test::click(view, command);
        }
        const std::string after = state();
        ASSERT_NE(after, before);
        EXPECT_EQ(stack().count(), steps + 1);
        stack().undo();
        EXPECT_EQ(state(), before);
        stack().redo();
        EXPECT_EQ(state(), after);
    }
    while (stack().canUndo())
        stack().undo();
    EXPECT_EQ(state(), opening);
}

// In the cell editor Ctrl+Z undoes the typing first, then the last command.
TEST_F(Undo, TypingIsUndoneBeforeTheGridsLastCommand)
{
    waves.setCurrent(1, 1);
    type("7");
    const std::string typed = state();
    grid.OpenCellEditor();
    QTest::keyClicks(grid.editor(), "123");
    QTest::keyClick(grid.editor(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(state(), typed) << "the typing, not yet in its cell, went first";
    QTest::keyClick(grid.editor(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(waves.text(1, 1), "2.5");
    EXPECT_EQ(grid.editor()->text(), "-3") << "the editor stays on the cell Enter moved to";
}

// The program's own settings, in memory; a missing key reads as "".
struct MemoryViewSettings : ViewSettings {
    std::string value(const std::string& key) const override { return values[key]; }
    void setValue(const std::string& key, const std::string& v) override { values[key] = v; }
    mutable std::map<std::string, std::string> values;
};

class WaveChartTest : public test::MainView {
protected:
    void SetUp() override
    {
        view.keepViewState(settings);
        ASSERT_TRUE(test::showActive(view));
    }
    QScatterSeries* series(const char* name)
    {
        for (QAbstractSeries* each : view.waveChart()->chart()->series())
            if (each->name() == QLatin1String(name))
                return qobject_cast<QScatterSeries*>(each);
        return nullptr;
    }
    void clickWave(QScatterSeries* points, int index)
    {
        QChart* chart = view.waveChart()->chart();
        const QPointF inChart = chart->mapToPosition(points->at(index), points);
        QChartView* chartView = view.waveChart()->chartView();
        const QPoint at = chartView->mapFromScene(chart->mapToScene(inChart));
        QTest::mouseClick(chartView->viewport(), Qt::LeftButton, {}, at);
    }
    QString facts() { return control<QLabel>("WaveFacts")->text(); }

    MemoryViewSettings settings;
};

TEST_F(WaveChartTest, ChartRedrawsAsCellsChangeAndAClickChoosesTheRow)
{
    EXPECT_TRUE(view.waveChart()->isHidden());
    test::click(view, "cmdCHART");
    EXPECT_TRUE(view.waveChart()->isVisible());
    EXPECT_EQ(settings.value("WaveChart/Shown"), "1");
    EXPECT_EQ(accessibleName(view.waveChart()->chartView()), "Wave Chart");
    EXPECT_EQ(accessibleName(test::child(view, "WaveFacts")), "Wave Facts");

    setup.NoOfWaves = 3;
    waves.setCurrent(1, 1);
    waves.setSelectionEnd(3, 3);
    waves.setRangeText("1\t5\t1\r4\t8\t2\r3\t3\t2");
    QApplication::processEvents();
    ASSERT_EQ(series("Linear")->count(), 1);
    ASSERT_EQ(series("Stokes fifth order")->count(), 2);
    EXPECT_TRUE(facts().startsWith("Wave 1: 1.257 rad/s")) << facts().toStdString();

    clickWave(series("Stokes fifth order"), 1);
    EXPECT_EQ(waves.row(), 3);
    EXPECT_TRUE(facts().endsWith("this wave would break")) << facts().toStdString();
    EXPECT_EQ(series("Current row")->at(0), QPointF(3, 3));
}

TEST_F(WaveChartTest, PanelStateIsKeptForTheNextRun)
{
    view.showWaveChart(true);
    Session next;
    frmMain reopened { next, platforms.platform() };
    EXPECT_TRUE(reopened.waveChart()->isHidden());
    reopened.keepViewState(settings);
    EXPECT_FALSE(reopened.waveChart()->isHidden());
    test::click(reopened, "cmdCHART");
    EXPECT_EQ(settings.value("WaveChart/Shown"), "0");
}

} // namespace
} // namespace quorin
