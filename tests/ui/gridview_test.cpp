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

namespace quorin {
namespace {

constexpr int kRows = 11; // the heading row and 10 rows
constexpr int kCols = 4; // the heading column and 3 columns

std::string initialText(int row, int col)
{
    return "r" + std::to_string(row) + "c" + std::to_string(col);
}

// The other control comes first, so the window opens with the grid unfocused.
class GridViewTest : public testing::Test {
protected:
    void SetUp() override
    {
        for (int r = 0; r < kRows; ++r)
            for (int c = 0; c < kCols; ++c)
                model.setText(r, c, initialText(r, c));
        view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        takeFocusWhenPressed(button);
        auto* layout = new QVBoxLayout(&window);
        for (QWidget* each : std::initializer_list<QWidget*> { other, view, button })
            layout->addWidget(each);
        window.resize(420, 520);
        ASSERT_TRUE(test::showActive(window));
    }

    QRect cellRect(int row, int col) const
    {
        return view->visualRect(view->model()->index(row - 1, col - 1));
    }

    GridModel model { kRows, kCols }; // outlives the window and the view on it
    QWidget window;
    QLineEdit* other = new QLineEdit(&window);
    GridView* view = new GridView(model, &window);
    QPushButton* button = new QPushButton(QStringLiteral("&Go"), &window);
    // Checks every change the table model announces against Qt's model rules.
    QAbstractItemModelTester modelRules { view->model(),
        QAbstractItemModelTester::FailureReportingMode::Fatal };
};

// Widths are given in twips at the screen's logical DPI; an open editor stays
// over its cell as the columns change and the grid scrolls. Each cell reads
// out its text and its row's and column's headings.
TEST_F(GridViewTest, WidthsInTwipsTheEditorOverItsCellAndWhatCellsReadOut)
{
    model.setCurrent(10, 2);
    view->OpenCellEditor();
    view->setColumnWidthTwips(2, 3000);
    EXPECT_EQ(view->columnWidth(1), qRound(3000 * view->logicalDpiX() / 1440.0));
    window.resize(300, 200);
    QApplication::processEvents();
    for (QScrollBar* bar : { view->verticalScrollBar(), view->horizontalScrollBar() })
        bar->setValue(bar->maximum());
    EXPECT_GT(view->verticalScrollBar()->value(), 0);
    EXPECT_EQ(view->editor()->geometry(), cellRect(10, 2));

    QAccessibleInterface* cell
        = QAccessible::queryAccessibleInterface(view)->tableInterface()->cellAt(1, 2);
    ASSERT_NE(cell, nullptr);
    QStringList texts = { cell->text(QAccessible::Name) };
    const auto* headings = cell->tableCellInterface();
    for (const auto* each : headings->columnHeaderCells() + headings->rowHeaderCells())
        texts << each->text(QAccessible::Name);
    EXPECT_EQ(texts.join(' '), "r2c3 r0c3 r2c0");
}

// Steps, then " -> " and the state they leave: the current cell, " to" the
// selection end when it lies elsewhere, " @" the anchor (checked where given),
// " open" with the editor open (over the current cell, its text selected),
// the range commands the clipboard keys asked for (X, C, V), then every cell
// whose text changed, so that no sequence writes one cell's text into another.
// The clipboard holds "7\n" before the steps.
const char* const kSteps[] = {
    // Editing: Enter on the last row and Tab on the last column stay, arrows move
    // the caret, a move from code stores the text, Esc drops the typing and the
    // grid keeps the focus.
    "c1.1 '1.5 Enter '2.5 Enter '3.5 Enter -> 4.1 open 1.1=1.5 2.1=2.5 3.1=3.5",
    "c10.2 '9 Enter -> 10.2 open 10.2=9", "c3.3 '9 Tab -> 3.3 open 3.3=9",
    "c1.1 'x Tab 'y Tab -> 1.3 open 1.1=x 1.2=y", "c1.1 'x c2.2 -> 2.2 open 1.1=x",
    "c1.1 'x Down Left 'y c2.2 -> 2.2 open 1.1=yx", "c1.1 'x m2.2 'y Enter -> 3.2 open 1.1=x 2.2=y",
    "c2.2 'x Esc -> 2.2",
    // A press on the grid while typing stores the text; the grid taking the focus
    // opens the editor again, so the next keys go on editing. The anchor is the
    // cell pressed.
    "c1.1 'x h Enter -> 2.1 open 1.1=x", "c1.1 'x s Enter -> 2.1 open 1.1=x",
    "c1.1 'x r3.3 Enter -> 2.1 @1.1 open 1.1=x", "m3.3 c2.1 -> 2.1 @2.1 open",
    // The editor loses the focus only to another control of the program; a
    // button's access key takes the focus first.
    "c2.2 'x w Enter -> 3.2 open 2.2=x", "c2.2 'x k -> 2.2",
    // Focus loss writes nothing, then or later, nor do moves before the editor opened.
    "c2.2 'x a -> 2.2", "c1.1 'x a m3.3 -> 3.3", "c1.1 'x a c1.1 Enter -> 2.1 open",
    "c1.1 'x +Tab c2.2 -> 2.2 open", "c1.1 'x c3.3 'y a c2.2 -> 2.2 open 1.1=x",
    "'x m2.2 m3.3 -> 3.3",
    // Keys on the grid itself, the editor closed: other keys than these three do
    // not open it, Delete empties the current cell only, and no move goes onto a
    // heading.
    "c1.1 Esc m3.2 Enter -> 3.2 open", "c1.1 Esc m3.2 KpEnter -> 3.2 open",
    "c1.1 Esc m3.2 Tab -> 3.2 open", "c1.1 Esc m3.2 Esc 'a -> 3.2",
    "c2.2 Esc +Down +Right Del -> 2.2 to 3.3 2.2=", "c1.1 Esc Del Down -> 2.1 1.1=",
    "c1.1 Esc m2.2 Down Left -> 3.1", "c1.1 Esc m2.2 Right Right -> 2.3", "c1.1 Esc Up Left -> 1.1",
    "c1.1 Esc m10.3 Down -> 10.3", "c1.1 Esc m2.2 +Up +Left -> 2.2 to 1.1",
    "c1.1 Esc m1.2 +Up -> 1.2",
    // Clipboard keys: in the editor they edit its text, but a line end asks for Paste.
    "c2.2 ^X 'y ^V ^C ^V Enter -> 3.2 open 2.2=yr2c2r2c2", "c2.2 ^V -> 2.2 open V",
    // Headings never become current.
    "m2.2 h v -> 2.2 open", "m0.0 -> 1.1"
};

class GridStepsTest : public GridViewTest, public testing::WithParamInterface<const char*> { };

TEST_P(GridStepsTest, LeaveTheCellsCursorAndEditorGiven)
{
    const std::string line = GetParam();
    const std::size_t arrow = line.find(" -> ");
    const std::string after = line.substr(arrow + 4);
    QtClipboard clipboard;
    clipboard.setText("7\n");
    view->setClipboard(&clipboard);
    std::string commands;
    QObject::connect(view, &GridView::rangeCommand, view,
        [&commands](GridView::RangeCommand c) { commands += "XCV"[static_cast<int>(c)]; });
    QSignalSpy cellsChanged(view->model(), &QAbstractItemModel::dataChanged);
    // The steps, separated by spaces: "c2.3" clicks cell (2, 3) and "r2.3" clicks it
    // with the right button, "m2.3" moves the current cell there from code, "h" or
    // "v" clicks the heading row or column and "s" the vertical scroll bar, "a"
    // clicks the other control, "w" goes to another window and back, "k" presses
    // the button's access key; any other step is keys (test::pressKeys) for the
    // widget with the focus.
    const std::map<std::string, QWidget*> clicked = { { "h", view->horizontalHeader()->viewport() },
        { "v", view->verticalHeader()->viewport() }, { "s", view->verticalScrollBar() },
        { "a", other } };
    test::runSteps(line.substr(0, arrow), [&](const std::string& step) {
        int row = 0, col = 0;
        std::sscanf(step.c_str() + 1, "%d.%d", &row, &col);
        if (step[0] == 'c' || step[0] == 'r')
            QTest::mouseClick(view->viewport(), step[0] == 'c' ? Qt::LeftButton : Qt::RightButton,
                {}, cellRect(row, col).center());
        else if (step[0] == 'm')
            model.setCurrent(row, col);
        else if (clicked.contains(step))
            QTest::mouseClick(clicked.at(step), Qt::LeftButton);
        else if (step == "w") {
            QWidget second;
            ASSERT_TRUE(test::showActive(second) && test::showActive(window));
        } else if (step == "k")
            QTest::keyClick(&window, Qt::Key_G, Qt::AltModifier);
        else
            test::pressKeys(step);
    });
    const auto at
        = [](int row, int col) { return std::to_string(row) + "." + std::to_string(col); };
    const int row = model.row(), col = model.col(), endRow = model.selEndRow(),
              endCol = model.selEndCol();
    std::string state
        = at(row, col) + (endRow != row || endCol != col ? " to " + at(endRow, endCol) : "");
    if (after.find('@') != std::string::npos)
        state += " @" + at(model.anchorRow(), model.anchorCol());
    state += std::string(view->editorOpen() ? " open" : "") + (commands.empty() ? "" : " ");
    std::string cells;
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kCols; ++c)
            if (model.text(r, c) != initialText(r, c))
                cells += " " + at(r, c) + "=" + model.text(r, c);
    EXPECT_EQ(state + commands + cells, after);
    EXPECT_TRUE(!cells.empty() || cellsChanged.count() == 0) << "cursor moves change no cell";
    EXPECT_EQ(view->selectionModel()->selectedIndexes().size(),
        (std::abs(endRow - row) + 1) * (std::abs(endCol - col) + 1));
    if (view->editorOpen()) {
        const QString text = QString::fromStdString(model.text(row, col));
        EXPECT_TRUE(view->editor()->hasFocus());
        EXPECT_EQ(view->editor()->geometry(), cellRect(row, col));
        EXPECT_EQ(view->editor()->text() + "|" + view->editor()->selectedText(), text + "|" + text);
    }
}

INSTANTIATE_TEST_SUITE_P(GridView, GridStepsTest, testing::ValuesIn(kSteps));

} // namespace
} // namespace quorin
