#include "ui/widgets.h"

#include <QTimer>
#include <QUndoStack>

#include <gtest/gtest.h>

namespace quorin {
namespace {

using test::click;

// What a command may change and undo must give back: every cell's text,
// headings included, each row's text colour, and the wave count.
std::string stateOf(GridView& grid, const GridModel& cells, int waveCount)
{
    std::string state = std::to_string(waveCount);
    for (int r = 0; r < cells.rows(); ++r)
        for (int c = 0; c < cells.cols(); ++c)
            state += "|" + cells.text(r, c);
    const QAbstractItemModel* table = grid.model();
    for (int r = 0; r < table->rowCount(); ++r)
        state += table->data(table->index(r, 0), Qt::ForegroundRole)
                     .value<QColor>()
                     .name()
                     .toStdString();
    return state;
}

// Types a text into a cell and commits it with Enter.
void type(GridView& grid, test::Cell cell, const QString& text)
{
    grid.gridModel().setCurrent(cell.first, cell.second);
    grid.OpenCellEditor();
    QTest::keyClicks(grid.editor(), text);
    QTest::keyClick(grid.editor(), Qt::Key_Return);
}

class Undo : public test::MainView {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(test::showActive(view));
        waves.setSelectionEnd(5, 3);
        waves.setRangeText("2.5\t8\t1\r-3\t10\t2\r4\t12\t1\r5\t13\t1\r6\t14\t2");
        setup.NoOfWaves = 5;
        setup.WaveSteepness = 22;
        waves.setCurrent(2, 1);
    }
    std::string state() { return stateOf(*view.waveGrid(), waves, setup.NoOfWaves); }
    QUndoStack& stack() { return *view.findChild<QUndoStack*>(); }
};

// Each command undone gives the grid back as before it, redone as after it;
// then everything undone from the last gives the opening grid.
TEST_F(Undo, EveryCommandOfTheWaveTableIsOneStepBackAndForth)
{
    GridView& grid = *view.waveGrid();
    platforms.clipboard.setText("-7\t7");
    // The cell made current ({ 0, 0 }: the one the last command left), then
    // "'text" typed into it and Enter, "Del" pressed on the grid, or a button.
    const std::pair<test::Cell, const char*> commands[] = {
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
            type(grid, { waves.row(), waves.col() }, command + 1);
        } else if (command == std::string("Del")) {
            grid.OpenCellEditor();
            QTest::keyClick(grid.editor(), Qt::Key_Escape);
            QTest::keyClick(&grid, Qt::Key_Delete);
        } else {
            QTimer::singleShot(0, &view, [] {
                if (QWidget* dialog = QApplication::activeModalWidget())
                    click(*dialog, "OKButton");
            });
            click(view, command);
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
    GridView& grid = *view.waveGrid();
    type(grid, { 1, 1 }, "7");
    const std::string typed = state();
    grid.OpenCellEditor();
    QTest::keyClicks(grid.editor(), "123");
    QTest::keyClick(grid.editor(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(state(), typed) << "the typing, not yet in its cell, went first";
    QTest::keyClick(grid.editor(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(waves.text(1, 1), "2.5");
    EXPECT_EQ(grid.editor()->text(), "-3") << "the editor stays on the cell Enter moved to";
}

} // namespace
} // namespace quorin
