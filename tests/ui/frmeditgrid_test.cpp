#include "common/qt/gridstrips.h"
#include "e2e/batchrunner.h"
#include "scatter/frmeditgrid.h"
#include "scatter/scatterfixture.h"
#include "scatter/sharescale.h"
#include "ui/widgets.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <QUndoStack>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace quorin {
namespace {

using test::accessibleName;
using test::Cell;

// The scatter diagram editor of the model DECK in a temporary folder, shown.
class FrmEditGridTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(test::showActive(editor)); }
    template <typename Widget = QWidget> Widget* control(const char* name)
    {
        return test::child<Widget>(editor, name);
    }
    QString text(const char* name) { return control<QLineEdit>(name)->text(); }
    void click(const char* name) { test::click(editor, name); }
    void clickCell(int row, int col) { test::drag(*view, { row, col }, { row, col }); }

    test::TempDir dir;
    test::Platforms platforms;
    test::ScriptedPrompter& prompter = platforms.prompter;
    GridEdit store;
    frmEditGrid editor { store, { dir.file("DECK"), "3" }, platforms.platform() };
    GridView* view = editor.gridView();
    GridModel& grid = view->gridModel();
};

TEST_F(FrmEditGridTest, ControlsCarryTheirNamesAndTipsAndShowTheirTextsInFull)
{
    EXPECT_EQ(editor.windowTitle(), "Quorin Scatter Diagram");
    EXPECT_TRUE(editor.isModal());
    const std::vector<std::pair<const char*, const char*>> named = { { "Command2(0)", "Open" },
        { "Command2(1)", "Save" }, { "Command3(0)", "Cut" }, { "Command3(1)", "Copy" },
        { "Command3(2)", "Pasts" }, { "Text2", "Direction No" }, { "UpDown1Up", "Direction Up" },
        { "UpDown1Down", "Direction Down" }, { "Text3(0)", "Diagram Scaling Factor" },
        { "Text3(1)", "Period (Yrs)" }, { "Check1", "Ste" }, { "Label1(2)", "Total" },
        { "grid", "Scatter Diagram" }, { "Text1", "Cell Editor" } };
    for (const auto& [name, spoken] : named) {
        EXPECT_EQ(accessibleName(control(name)), spoken) << name;
        if (auto* picture = qobject_cast<QToolButton*>(control(name));
            picture && std::string(name).starts_with("Command")) {
            EXPECT_EQ(picture->toolTip(), spoken) << name;
            EXPECT_FALSE(picture->icon().isNull()) << name;
        }
    }
    // What Save writes for boxes left alone; "Ste" unchecked.
    EXPECT_EQ(text("Text2") + text("Text3(0)") + text("Text3(1)")
            + (control<QCheckBox>("Check1")->isChecked() ? " Ste" : ""),
        "111");

    // Along the top row from the left, each control after the text of the one
    // before and as large as its text needs.
    const auto textWidth = [](QWidget* widget) {
        return qobject_cast<QLabel*>(widget) ? widget->sizeHint().width() : widget->width();
    };
    QWidget* previous = nullptr;
    for (const char* name : { "Command2(0)", "Command2(1)", "Command3(0)", "Command3(1)",
             "Command3(2)", "Label1(0)", "Text2", "UpDown1", "Label1(1)", "Text3(0)", "Label1(3)",
             "Text3(1)", "Check1", "Label1(2)" }) {
        QWidget* widget = control(name);
        if (!qobject_cast<QLineEdit*>(widget) && widget->sizeHint().isValid()) {
            EXPECT_GE(widget->width(), widget->sizeHint().width()) << name;
            EXPECT_GE(widget->height(), widget->sizeHint().height()) << name;
        }
        if (previous) {
            EXPECT_GE(widget->x(), previous->x() + textWidth(previous)) << name;
        }
        EXPECT_LE(widget->geometry().bottom(), control("Command2(0)")->height()) << name;
        previous = widget;
    }
    EXPECT_GE(editor.width(), previous->geometry().right());
    // The grid fills the window below the buttons, however large.
    editor.resize(editor.size() + QSize(200, 100));
    EXPECT_EQ(view->geometry().bottomRight(), QPoint(editor.width() - 1, editor.height() - 1));
    EXPECT_EQ(view->geometry().topLeft(), QPoint(0, control("Command2(0)")->height()));
    const int heading = view->fontMetrics().horizontalAdvance("12.25");
    EXPECT_GT(view->verticalHeader()->width(), heading);
    EXPECT_GT(view->columnWidth(0), heading);
}

TEST_F(FrmEditGridTest, SaveDropsTheTypedTextAndReopensTheEditorOnTheOldOne)
{
    grid.setText(1, 1, "4");
    clickCell(1, 1);
    QTest::keyClicks(view->editor(), "9");
    click("Command2(1)");
    ASSERT_TRUE(view->editorOpen());
    EXPECT_EQ(grid.text(1, 1) + view->editor()->text().toStdString(), "44");
    EXPECT_EQ(store.Scatter[1][1], 4.0f);
}

// A range selected with the mouse from one cell to another, the clipboard,
// then a button (by its object name), or a key on the grid with the editor
// closed: the clipboard, and rows 1 to 4 of columns 2 to 4 once the editor
// has left the cell.
TEST_F(FrmEditGridTest, CutCopyAndPasteButtonsAndKeys)
{
    const std::tuple<Cell, Cell, const char*, const char*, const char*, const char*> cases[] = {
        { { 1, 2 }, { 2, 4 }, "", "Command3(1)", "12\t13\t14\r22\t23\t24",
            "12,13,14|22,23,24|32,33,34|x,,|" },
        { { 2, 2 }, { 3, 3 }, "7\t8\r\n9\t0\r\n", "Command3(2)", "7\t8\r\n9\t0\r\n",
            "12,13,14|7,8,24|9,0,34|x,,|" },
        { { 1, 2 }, { 1, 4 }, "-5\t.5\t 6", "Command3(2)", "-5\t.5\t 6",
            "5,5,6|22,23,24|32,33,34|x,,|" },
        { { 3, 2 }, { 1, 4 }, "", "Command3(0)", "12\t13\t14\r22\t23\t24\r32\t33\t34",
            ",,|,,|,,|x,,|" },
        { { 2, 3 }, { 2, 3 }, "", "C", "23", "12,13,14|22,23,24|32,33,34|x,,|" },
        { { 2, 3 }, { 2, 3 }, "-4", "V", "-4", "12,13,14|22,4,24|32,33,34|x,,|" },
        { { 2, 3 }, { 2, 3 }, "", "X", "23", "12,13,14|22,,24|32,33,34|x,,|" },
    };
    for (const auto& [from, to, clipboard, action, clipboardAfter, cellsAfter] : cases) {
        SCOPED_TRACE(std::string(action) + " " + clipboard);
        for (int r = 1; r <= 3; ++r)
            for (int col = 2; col <= 4; ++col)
                grid.setText(r, col, std::to_string(r * 10 + col));
        grid.setText(4, 2, "x");
        platforms.clipboard.setText(clipboard);
        test::drag(*view, from, to);
        if (action[1] == '\0') {
            QTest::keyClick(view->editor(), Qt::Key_Escape);
            QTest::keyClick(view, action[0], Qt::ControlModifier);
        } else {
            click(action);
        }
        clickCell(25, 18);
        EXPECT_EQ(platforms.clipboard.text(), clipboardAfter);
        std::string cells;
        for (int r = 1; r <= 4; ++r)
            cells += grid.text(r, 2) + "," + grid.text(r, 3) + "," + grid.text(r, 4) + "|";
        EXPECT_EQ(cells, cellsAfter);
    }
}

TEST_F(FrmEditGridTest, SpinButtonsStepTheDirectionWithoutWrapping)
{
    const std::vector<std::tuple<const char*, const char*, const char*>> cases
        = { { "1", "UpDown1Down", "1" }, { "12", "UpDown1Up", "12" },
              { "11.5", "UpDown1Up", "12.5" }, { "1.5", "UpDown1Down", "0.5" },
              { "3", "UpDown1Down", "2" }, { " 3x", "UpDown1Up", "4" },
              { "north", "UpDown1Down", "north" }, { "north", "UpDown1Up", "1" } };
    for (const auto& [before, button, after] : cases) {
        control<QLineEdit>("Text2")->setText(before);
        click(button);
        EXPECT_EQ(text("Text2"), after) << before << " " << button;
    }
}

TEST_F(FrmEditGridTest, OpenRewritesTheTotalsLineEvenWhenTheFileIsMissing)
{
    store.CyclesPerYear = 5;
    grid.setText(2, 2, "kept");
    control<QCheckBox>("Check1")->setChecked(true);
    click("Command2(0)"); // direction 1 has no file: both reads tell it
    ASSERT_EQ(prompter.messages().size(), 2u);
    EXPECT_EQ(prompter.messages()[0].text + prompter.messages()[1].text,
        "Scatter Diagram not FoundScatter Diagram not Found");
    QLabel* totals = control<QLabel>("Label1(2)");
    EXPECT_EQ(totals->text(), "Total :0  (5)");
    EXPECT_EQ(grid.text(2, 2), "kept");
    EXPECT_TRUE(view->editorOpen());

    test::DiagramFile file;
    file.periods = "1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18";
    file.years = "10";
    file.scaling = "0.8";
    dir.write("DECK.DBS4", file.cell(3, 10, "1000").text());
    control<QLineEdit>("Text2")->setText("4");
    control<QCheckBox>("Check1")->setChecked(false);
    click("Command2(0)");
    EXPECT_EQ(totals->text(), "Total :1000  (129496.4)");
    EXPECT_EQ(accessibleName(totals), totals->text());
    EXPECT_GE(totals->width(), totals->sizeHint().width());
    EXPECT_EQ(text("Text3(0)") + " " + text("Text3(1)"), "0.8 10");
    EXPECT_EQ(grid.text(3, 10), "1000");
}

// Open and Cut undone give back the grid, the boxes and the totals line; the
// diagram file stays as it was.
TEST_F(FrmEditGridTest, OpenAndCutAreUndoStepsThatLeaveTheFile)
{
    const std::string diagram
        = test::DiagramFile { .scaling = "2", .years = "5" }.cell(1, 1, "3").cell(3, 2, "4").text();
    dir.write("DECK.DBS1", diagram);
    const auto state = [&] {
        return gridText(grid) + text("Text3(1)").toStdString()
            + control<QLabel>("Label1(2)")->text().toStdString();
    };
    auto& stack = *editor.findChild<QUndoStack*>();
    const std::string opening = state();
    click("Command2(0)");
    const std::string opened = state();
    ASSERT_NE(opened, opening);
    grid.setCurrent(1, 1);
    grid.setSelectionEnd(3, 3);
    click("Command3(0)");
    stack.undo();
    EXPECT_EQ(state(), opened);
    stack.undo();
    EXPECT_EQ(state(), opening);
    stack.redo();
    EXPECT_EQ(state(), opened);
    EXPECT_EQ(dir.read("DECK.DBS1"), diagram);
}

// quorin-batch prints the grid and the totals line as the editor shows them
// after Open, counting occurrences or showing steepness.
TEST_F(FrmEditGridTest, QuorinBatchPrintsWhatTheEditorShowsForTheSameFile)
{
    test::DiagramFile file;
    file.years = "2.5";
    file.heights.replace(0, 5, "13.5");
    file.cell(1, 1, "0.5").cell(4, 9, "120").cell(21, 9, "3.25").cell(25, 18, "-4");
    dir.write("DECK.DBS2", file.text());
    for (const bool steepness : { false, true }) {
        SCOPED_TRACE(steepness ? "steepness" : "occurrences");
        std::vector<std::string> args = { "scatter", " 2 ", "--model", "DECK" };
        if (steepness)
            args.push_back("--steepness");
        const test::BatchRun batch = test::RunQuorinBatch(dir, args);
        EXPECT_EQ(batch.status, 0) << batch.err;
        control<QLineEdit>("Text2")->setText(QStringLiteral(" 2 "));
        control<QCheckBox>("Check1")->setChecked(steepness);
        click("Command2(0)");
        EXPECT_TRUE(prompter.messages().empty());
        const std::string shown
            = gridText(grid) + control<QLabel>("Label1(2)")->text().toStdString() + "\n";
        EXPECT_EQ(batch.out, shown);
        EXPECT_NE(shown.find(steepness ? "\t50\t" : "\t3.25\t"), std::string::npos) << shown;
    }
}

// The shading and the totals strips beside the grid.
class ScatterShadingTest : public FrmEditGridTest {
protected:
    QVariant cell(int row, int col, Qt::ItemDataRole role)
    {
        return view->model()->index(row - 1, col - 1).data(role);
    }
    static QString stripText(QTableView* strip, int row, int col)
    {
        return strip->model()->index(row, col).data().toString();
    }
    QStringList rowTotals()
    {
        return { stripText(strips->rowStrip(), 0, 0), stripText(strips->rowStrip(), 1, 0),
            stripText(strips->rowStrip(), 2, 0) };
    }

    GridStrips* strips = view->findChild<GridStrips*>();
};

TEST_F(ScatterShadingTest, ShadesAndTotalsFollowTheCellsInEitherUnit)
{
    ASSERT_NE(strips, nullptr);
    EXPECT_EQ(accessibleName(strips->rowStrip()), "Row Totals");
    EXPECT_EQ(accessibleName(strips->columnStrip()), "Column Totals");
    EXPECT_EQ(strips->rowStrip()->focusPolicy(), Qt::NoFocus);

    grid.setCurrent(1, 1);
    grid.setSelectionEnd(2, 2);
    grid.setRangeText("30\t10\r60");
    QApplication::processEvents();
    const QColor darkest(0x44, 0x01, 0x54);
    EXPECT_EQ(cell(2, 1, Qt::BackgroundRole).value<QColor>(), darkest);
    EXPECT_EQ(cell(2, 1, Qt::ForegroundRole).value<QColor>(), QColor(Qt::white));
    const Rgb sixth = scaleColour(10.0 / 60); // each cell its own shade; the scale is the core's
    EXPECT_EQ(
        cell(1, 2, Qt::BackgroundRole).value<QColor>(), QColor(sixth.red, sixth.green, sixth.blue));
    EXPECT_EQ(cell(1, 2, Qt::ForegroundRole).value<QColor>(), QColor(Qt::black));
    EXPECT_EQ(cell(1, 2, Qt::ToolTipRole).toString(),
        "10 occurrences, 100.0 \u2030 of the diagram total");
    EXPECT_FALSE(cell(3, 3, Qt::BackgroundRole).isValid());
    EXPECT_EQ(rowTotals(), QStringList({ "40", "60", "" }));
    EXPECT_EQ(stripText(strips->columnStrip(), 0, 0) + " " + stripText(strips->columnStrip(), 0, 1),
        "90 10");

    control<QCheckBox>("PerThousand")->click();
    EXPECT_EQ(rowTotals(), QStringList({ "400.0", "600.0", "" }));
    EXPECT_EQ(grid.text(1, 1), "30"); // a display only

    grid.setRangeText("\t\r");
    QApplication::processEvents();
    EXPECT_FALSE(cell(2, 1, Qt::BackgroundRole).isValid());
    EXPECT_EQ(rowTotals(), QStringList({ "", "", "" }));
}

// The strips stand beside the cells, not over them, whatever the scrolling.
TEST_F(ScatterShadingTest, StripsLineUpWithTheRowsAndColumnsBesideTheCells)
{
    editor.resize(500, 300);
    QApplication::processEvents();
    view->scrollTo(view->model()->index(24, 17));
    QApplication::processEvents();
    const QRect cells = view->viewport()->geometry();
    QWidget* rowClip = strips->rowStrip()->parentWidget();
    QWidget* columnClip = strips->columnStrip()->parentWidget();
    EXPECT_GE(rowClip->geometry().left(), cells.right());
    EXPECT_GE(columnClip->geometry().top(), cells.bottom());
    const int lastRow = view->rowViewportPosition(24) + cells.y();
    EXPECT_EQ(strips->rowStrip()->rowViewportPosition(24) + strips->rowStrip()->y(),
        lastRow - rowClip->y());
}

// Runs check on the modal editor once "Edit Scatter Diagram" has opened it, then closes it.
void editScatter(frmMain& view, const std::function<void(frmEditGrid&)>& check)
{
    bool seen = false;
    QTimer::singleShot(0, [&] {
        if (auto* editor = qobject_cast<frmEditGrid*>(QApplication::activeModalWidget())) {
            seen = true;
            check(*editor);
            editor->close();
        }
    });
    test::click(view, "Command1");
    EXPECT_TRUE(seen) << "no modal editor";
}

using EditScatterDiagram = test::MainView;

TEST_F(EditScatterDiagram, OpensAFreshModalEditorEachTimeWhileTheStoreKeepsTheDiagram)
{
    setup.ModelName = dir.file("JKT");
    setup.SpectrumType = "2";
    view.show();

    editScatter(view, [&](frmEditGrid& editor) {
        EXPECT_EQ(editor.parentWidget(), &view);
        editor.gridView()->gridModel().setText(1, 1, "7");
        test::click(editor, "Command2(1)");
    });
    EXPECT_EQ(dir.read("JKT.DBS1").substr(0, 3), "2\r\n") << "the run's spectrum type";
    EXPECT_EQ(session.scatter.Scatter[1][1], 7.0f);

    editScatter(view, [&](frmEditGrid& editor) {
        EXPECT_EQ(editor.gridView()->gridModel().text(1, 1), "");
        EXPECT_EQ(editor.gridView()->gridModel().text(1, 0), "12.25");
    });
    EXPECT_EQ(session.scatter.Scatter[1][1], 7.0f);
}

} // namespace
} // namespace quorin
