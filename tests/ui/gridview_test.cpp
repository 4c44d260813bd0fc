#include "common/qt/buttonfocus.h"
#include "ui/widgets.h"

#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <memory>
#include <ostream>

namespace quorin {
namespace {

constexpr int kRows = 11; // the heading row and 10 rows
constexpr int kCols = 4; // the heading column and 3 columns

std::string initialText(int row, int col)
{
    return "r" + std::to_string(row) + "c" + std::to_string(col);
}

class GridViewTest : public testing::Test {
protected:
    void SetUp() override
    {
        for (int r = 0; r < kRows; ++r)
            for (int c = 0; c < kCols; ++c)
                model.setText(r, c, initialText(r, c));
        // The other control comes first, so the window opens with the grid unfocused.
        other = new QLineEdit(&window);
        view = new GridView(model, &window);
        view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        button = new QPushButton(QStringLiteral("&Go"), &window);
        takeFocusWhenPressed(button);
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(other);
        layout->addWidget(view);
        layout->addWidget(button);
        modelRules = std::make_unique<QAbstractItemModelTester>(
            view->model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
        window.resize(420, 520);
        ASSERT_TRUE(test::showActive(window));
    }

    QRect cellRect(int row, int col) const
    {
        return view->visualRect(view->model()->index(row - 1, col - 1));
    }

    // Runs steps separated by spaces: "c2.3" clicks cell (2, 3) and "r2.3" clicks it
    // with the right button, "m2.3" moves the current cell there from code, "h" or
    // "v" clicks the heading row or column and "s" the vertical scroll bar, "a"
    // clicks the other control, "w" goes to another window and back, "k" presses
    // the button's access key; any other step is keys (test::pressKeys) for the
    // widget with the focus.
    void run(const std::string& steps)
    {
        const std::map<std::string, QWidget*> clicked = {
            { "h", view->horizontalHeader()->viewport() },
            { "v", view->verticalHeader()->viewport() },
            { "s", view->verticalScrollBar() },
            { "a", other },
        };
        test::runSteps(steps, [&](const std::string& step) {
            int row = 0, col = 0;
            std::sscanf(step.c_str() + 1, "%d.%d", &row, &col);
            if (step[0] == 'c' || step[0] == 'r')
                QTest::mouseClick(view->viewport(),
                    step[0] == 'c' ? Qt::LeftButton : Qt::RightButton, {},
                    cellRect(row, col).center());
            else if (step[0] == 'm')
                model.setCurrent(row, col);
            else if (clicked.contains(step))
                QTest::mouseClick(clicked.at(step), Qt::LeftButton);
            else if (step == "w")
                switchWindows();
            else if (step == "k")
                QTest::keyClick(&window, Qt::Key_G, Qt::AltModifier);
            else
                test::pressKeys(step);
        });
    }

    void switchWindows()
    {
        QWidget second;
        second.show();
        second.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&second));
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    GridModel model { kRows, kCols }; // outlives the window and the view on it
    QWidget window;
    QLineEdit* other = nullptr;
    GridView* view = nullptr;
    // Checks every change the table model announces against Qt's model rules.
    std::unique_ptr<QAbstractItemModelTester> modelRules;
    QPushButton* button = nullptr;
};

// Widths are given in twips at the screen's logical DPI; an open editor stays
// over its cell as the columns change and the grid scrolls.
TEST_F(GridViewTest, WidthsInTwipsAndTheEditorStaysOverItsCell)
{
    EXPECT_EQ(GridView::twipsToPixels(1440, 96), 96);
    EXPECT_EQ(GridView::twipsToPixels(1000, 96), 67);
    EXPECT_EQ(GridView::twipsToPixels(600, 120), 50);
    model.setCurrent(10, 2);
    view->OpenCellEditor();
    view->setColumnWidthTwips(0, 600);
    view->setColumnWidthTwips(2, 3000);
    const double dpi = view->logicalDpiX();
    EXPECT_EQ(view->verticalHeader()->width(), GridView::twipsToPixels(600, dpi));
    EXPECT_EQ(view->columnWidth(1), GridView::twipsToPixels(3000, dpi));
    EXPECT_EQ(view->editor()->geometry(), cellRect(10, 2));
    window.resize(300, 200);
    QApplication::processEvents();
    view->verticalScrollBar()->setValue(view->verticalScrollBar()->maximum());
    view->horizontalScrollBar()->setValue(view->horizontalScrollBar()->maximum());
    EXPECT_GT(view->verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(view->editor()->geometry(), cellRect(10, 2));
}

// Each cell reads out its text and its row's and column's headings. The
// views' tests cover the red text of a row and the editor's name.
TEST_F(GridViewTest, CellsPublishTheirTextsAndHeadings)
{
    QAccessibleInterface* cell
        = QAccessible::queryAccessibleInterface(view)->tableInterface()->cellAt(1, 2);
    ASSERT_NE(cell, nullptr);
    const auto columnHeaders = cell->tableCellInterface()->columnHeaderCells();
    const auto rowHeaders = cell->tableCellInterface()->rowHeaderCells();
    ASSERT_EQ(columnHeaders.size() + rowHeaders.size(), 2);
    EXPECT_EQ(cell->text(QAccessible::Name) + " " + columnHeaders[0]->text(QAccessible::Name) + " "
            + rowHeaders[0]->text(QAccessible::Name),
        "r2c3 r0c3 r2c0");
}

// Steps, then the state they leave: the current cell, " to" the selection end
// when it lies elsewhere, " @" the anchor (checked where given), " open" with
// the editor open (over the current cell, its text selected), the range
// commands the clipboard keys asked for (X, C, V), then every cell whose text
// changed, so that no sequence writes one cell's text into another.
struct Steps {
    const char* steps;
    const char* after;
    const char* clipboard = ""; // the clipboard's text before the steps
};
void PrintTo(const Steps& steps, std::ostream* out)
{
    *out << steps.steps;
}

const Steps kSteps[] = {
    // Editing.
    { "c1.1 '1.5 Enter '2.5 Enter '3.5 Enter", "4.1 open 1.1=1.5 2.1=2.5 3.1=3.5" },
    { "c10.2 '9 Enter", "10.2 open 10.2=9" }, // Enter on the last row stays
    { "c3.3 '9 Tab", "3.3 open 3.3=9" }, // Tab on the last column stays
    { "c1.1 'x Tab 'y Tab", "1.3 open 1.1=x 1.2=y" },
    { "c1.1 'x c2.2", "2.2 open 1.1=x" },
    { "c1.1 'x Down Left 'y c2.2", "2.2 open 1.1=yx" }, // arrows move the caret
    { "c1.1 'x m2.2 'y Enter", "3.2 open 1.1=x 2.2=y" }, // a move from code
    { "c2.2 'x Esc", "2.2" }, // Esc drops the typing, the grid keeps the focus
    // A press on the grid while typing stores the text; the grid taking
    // the focus opens the editor again, so the next keys go on editing.
    { "c1.1 'x h Enter", "2.1 open 1.1=x" },
    { "c1.1 'x s Enter", "2.1 open 1.1=x" },
    { "c1.1 'x r3.3 Enter", "2.1 @1.1 open 1.1=x" },
    { "m3.3 c2.1", "2.1 @2.1 open" }, // the anchor is the cell pressed
    // The editor loses the focus only to another control of the program.
    { "c2.2 'x w Enter", "3.2 open 2.2=x" },
    { "c2.2 'x k", "2.2" }, // a button's access key takes the focus first
    // Focus loss writes nothing, then or later.
    { "c2.2 'x a", "2.2" },
    { "c1.1 'x a m3.3", "3.3" },
    { "c1.1 'x a c1.1 Enter", "2.1 open" },
    { "c1.1 'x +Tab c2.2", "2.2 open" },
    { "c1.1 'x c3.3 'y a c2.2", "2.2 open 1.1=x" },
    { "'x m2.2 m3.3", "3.3" }, // moves before the editor ever opened
    // Keys on the grid itself, the editor closed.
    { "c1.1 Esc m3.2 Enter", "3.2 open" },
    { "c1.1 Esc m3.2 KpEnter", "3.2 open" },
    { "c1.1 Esc m3.2 Tab", "3.2 open" },
    { "c1.1 Esc m3.2 Esc 'a", "3.2" }, // other keys do not open it
    { "c2.2 Esc +Down +Right Del", "2.2 to 3.3 2.2=" }, // Delete empties the current cell only
    { "c1.1 Esc Del Down", "2.1 1.1=" },
    { "c1.1 Esc m2.2 Down Left", "3.1" },
    { "c1.1 Esc m2.2 Right Right", "2.3" },
    { "c1.1 Esc Up Left", "1.1" }, // never onto a heading
    { "c1.1 Esc m10.3 Down", "10.3" },
    { "c1.1 Esc m2.2 +Up +Left", "2.2 to 1.1" },
    { "c1.1 Esc m1.2 +Up", "1.2" },
    // Clipboard keys: in the editor they edit its text, but a line end asks for Paste.
    { "c2.2 ^X 'y ^V ^C ^V Enter", "3.2 open 2.2=yr2c2r2c2" },
    { "c2.2 ^V", "2.2 open V", "7\n" },
    // Headings never become current.
    { "m2.2 h v", "2.2 open" },
    { "m0.0", "1.1" },
};

class GridStepsTest : public GridViewTest, public testing::WithParamInterface<Steps> { };

TEST_P(GridStepsTest, LeaveTheCellsCursorAndEditorGiven)
{
    const Steps& p = GetParam();
    QtClipboard clipboard;
    clipboard.setText(p.clipboard);
    view->setClipboard(&clipboard);
    std::string commands;
    QObject::connect(view, &GridView::rangeCommand, view, [&commands](GridView::RangeCommand c) {
        commands += c == GridView::RangeCommand::Cut ? 'X'
            : c == GridView::RangeCommand::Copy      ? 'C'
                                                     : 'V';
    });
    QSignalSpy cellsChanged(view->model(), &QAbstractItemModel::dataChanged);
    run(p.steps);
    const auto at
        = [](int row, int col) { return std::to_string(row) + "." + std::to_string(col); };
    const int row = model.row(), col = model.col(), endRow = model.selEndRow(),
              endCol = model.selEndCol();
    std::string state = at(row, col);
    if (endRow != row || endCol != col)
        state += " to " + at(endRow, endCol);
    if (std::string(p.after).find('@') != std::string::npos)
        state += " @" + at(model.anchorRow(), model.anchorCol());
    state += std::string(view->editorOpen() ? " open" : "") + (commands.empty() ? "" : " ");
    std::string cells;
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kCols; ++c)
            if (model.text(r, c) != initialText(r, c))
                cells += " " + at(r, c) + "=" + model.text(r, c);
    EXPECT_EQ(state + commands + cells, p.after);
    if (cells.empty()) {
        EXPECT_EQ(cellsChanged.count(), 0) << "cursor moves change no cell";
    }
    EXPECT_EQ(view->selectionModel()->selectedIndexes().size(),
        (std::abs(endRow - row) + 1) * (std::abs(endCol - col) + 1));
    if (view->editorOpen()) {
        const QString text = QString::fromStdString(model.text(row, col));
        EXPECT_TRUE(view->editor()->hasFocus());
        EXPECT_EQ(view->editor()->geometry(), cellRect(row, col));
        EXPECT_EQ(view->editor()->text(), text);
        EXPECT_EQ(view->editor()->selectedText(), text);
    }
}

INSTANTIATE_TEST_SUITE_P(GridView, GridStepsTest, testing::ValuesIn(kSteps));

} // namespace
} // namespace quorin
