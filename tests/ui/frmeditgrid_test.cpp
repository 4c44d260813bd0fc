#include "common/qt/gridstrips.h"
#include "e2e/batchrunner.h"
#include "scatter/frmeditgrid.h"
#include "scatter/scatterfixture.h"
#include "scatter/sharescale.h"
#include "ui/widgets.h"

#include <QCheckBox>
#include <QTableView>
#include <QTimer>
#include <QUndoStack>

#include <gtest/gtest.h>

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
    GridEdit store;
    frmEditGrid editor { store, { dir.file("DECK"), "3" }, platforms.platform() };
    GridView* view = editor.gridView();
    GridModel& grid = view->gridModel();
};

// The picture buttons are spoken by their tool tips. No label or check box
// is smaller than its text.
TEST_F(FrmEditGridTest, ControlsCarryTheirNamesAndShowTheirTextsInFull)
{
    const std::pair<const char*, const char*> named[] = { { "Command2(0)", "Open" },
        { "Command2(1)", "Save" }, { "Command3(0)", "Cut" }, { "Command3(1)", "Copy" },
        { "Command3(2)", "Pasts" }, { "Text2", "Direction No" }, { "UpDown1Up", "Direction Up" },
        { "UpDown1Down", "Direction Down" }, { "Text3(0)", "Diagram Scaling Factor" },
        { "Text3(1)", "Period (Yrs)" }, { "Check1", "Ste" }, { "Label1(2)", "Total" },
        { "grid", "Scatter Diagram" }, { "Text1", "Cell Editor" }, { "RowTotals", "Row Totals" },
        { "ColumnTotals", "Column Totals" } };
    for (const auto& [name, spoken] : named) {
        EXPECT_EQ(accessibleName(control(name)), spoken) << name;
        if (std::string(name).starts_with("Command")) { // a picture button
            EXPECT_EQ(control(name)->toolTip(), spoken) << name;
        }
    }
    for (QWidget* widget : editor.findChildren<QWidget*>()) {
        if (widget->isVisible()
            && (qobject_cast<QLabel*>(widget) || qobject_cast<QCheckBox*>(widget))) {
            EXPECT_EQ(widget->size().expandedTo(widget->sizeHint()), widget->size())
                << widget->objectName().toStdString();
        }
    }
}

// Enter walks down to the last row and stays there; Save stores the cell as it
// was before the typing and opens the editor on it again.
TEST_F(FrmEditGridTest, EnterStopsOnTheLastRowAndSaveDropsTheTypedText)
{
    grid.setText(25, 1, "4");
    clickCell(24, 1);
    QTest::keyClicks(view->editor(), "\r\r9"); // Enter twice, then 9
    click("Command2(1)");
    EXPECT_EQ(std::to_string(grid.row()) + grid.text(25, 1)
            + (view->editorOpen() ? view->editor()->text().toStdString() : "closed"),
        "2544");
    EXPECT_EQ(store.Scatter[25][1], 4.0f);
}

// A range selected with the mouse from one cell to another, the clipboard,
// then a button (by its object name), or a key on the grid with the editor
// closed: the clipboard, then rows 1 to 4 of columns 2 to 4 once the editor
// has left the cell.
TEST_F(FrmEditGridTest, CutCopyAndPasteButtonsAndKeys)
{
    const std::tuple<Cell, Cell, const char*, const char*, const char*> cases[] = {
        { { 1, 2 }, { 2, 4 }, "", "Command3(1)",
            "12\t13\t14\r22\t23\t24 12,13,14|22,23,24|32,33,34|x,,|" },
        { { 2, 2 }, { 3, 3 }, "7\t8\r\n9\t0\r\n", "Command3(2)",
            "7\t8\r\n9\t0\r\n 12,13,14|7,8,24|9,0,34|x,,|" },
        { { 3, 2 }, { 1, 4 }, "", "Command3(0)",
            "12\t13\t14\r22\t23\t24\r32\t33\t34 ,,|,,|,,|x,,|" },
        { { 2, 3 }, { 2, 3 }, "-4", "V", "-4 12,13,14|22,4,24|32,33,34|x,,|" },
    };
    for (const auto& [from, to, clipboard, action, after] : cases) {
        grid.setCurrent(1, 2);
        grid.setSelectionEnd(4, 4);
        grid.setRangeText("12\t13\t14\r22\t23\t24\r32\t33\t34\rx\t\t");
        platforms.clipboard.setText(clipboard);
        test::drag(*view, from, to);
        if (action[1] == '\0') {
            QTest::keyClick(view->editor(), Qt::Key_Escape);
            QTest::keyClick(view, action[0], Qt::ControlModifier);
        } else {
            click(action);
        }
        clickCell(25, 18);
        std::string cells = platforms.clipboard.text() + " ";
        for (int r = 1; r <= 4; ++r)
            cells += grid.text(r, 2) + "," + grid.text(r, 3) + "," + grid.text(r, 4) + "|";
        EXPECT_EQ(cells, after) << action;
    }
}

TEST_F(FrmEditGridTest, SpinButtonsStepTheDirectionWithoutWrapping)
{
    const std::tuple<const char*, const char*, const char*> cases[] = { { "1", "UpDown1Down", "1" },
        { "12", "UpDown1Up", "12" }, { "11.5", "UpDown1Up", "12.5" }, { "3", "UpDown1Down", "2" } };
    for (const auto& [before, button, after] : cases) {
        control<QLineEdit>("Text2")->setText(before);
        click(button);
        EXPECT_EQ(text("Text2"), after) << before << " " << button;
    }
}

// Open of a missing file tells it, twice with "Ste" checked as both reads
// fail, and rewrites the totals line with the cycles it had. Open of a file
// shows the grid and the totals line as quorin-batch prints them, counting
// occurrences or showing steepness. Each Open, and Cut, is undone in turn,
// giving back the grid, the boxes and the totals line.
TEST_F(FrmEditGridTest, OpenShowsWhatQuorinBatchPrintsAndIsUndone)
{
    QLabel* totals = control<QLabel>("Label1(2)");
    store.CyclesPerYear = 5;
    grid.setText(2, 2, "kept");
    control<QCheckBox>("Check1")->setChecked(true);
    click("Command2(0)"); // direction 1 has no file
    std::string told;
    for (const auto& message : platforms.prompter.messages())
        told += message.text + "|";
    EXPECT_EQ(told + totals->text().toStdString() + "|" + grid.text(2, 2),
        "Scatter Diagram not Found|Scatter Diagram not Found|Total :0  (5)|kept");

    // Column 1 headed 10.
    test::DiagramFile file {
        .scaling = "0.8", .years = "10", .periods = "10 " + test::kPeriods.substr(4)
    };
    dir.write("DECK.DBS4", file.cell(3, 1, "1000").text());
    const auto shown = [&] { return gridText(grid) + totals->text().toStdString() + "\n"; };
    std::vector<std::string> states = { shown() + text("Text3(1)").toStdString() };
    control<QLineEdit>("Text2")->setText(" 4 ");
    for (const bool steepness : { true, false }) {
        std::vector<std::string> args = { "scatter", " 4 ", "--model", "DECK" };
        if (steepness)
            args.push_back("--steepness");
        control<QCheckBox>("Check1")->setChecked(steepness);
        click("Command2(0)");
        EXPECT_EQ(test::RunQuorinBatch(dir, args).out, shown());
        EXPECT_NE(shown().find(steepness ? "\t14\t" : "\t1000\t"), std::string::npos) << shown();
        states.push_back(shown() + text("Text3(1)").toStdString());
    }
    EXPECT_EQ(totals->text(), "Total :1000  (129496.4)");
    EXPECT_EQ(accessibleName(totals), totals->text());
    EXPECT_GE(totals->width(), totals->sizeHint().width());
    EXPECT_EQ(text("Text3(0)") + " " + text("Text3(1)"), "0.8 10");

    grid.setCurrent(1, 1);
    grid.setSelectionEnd(3, 10);
    click("Command3(0)");
    for (auto state = states.rbegin(); state != states.rend(); ++state) {
        editor.findChild<QUndoStack*>()->undo();
        EXPECT_EQ(shown() + text("Text3(1)").toStdString(), *state);
    }
}

// Each occupied cell is shaded by its share of the largest, and the strips
// beside the grid total its rows and columns, in occurrences or per thousand.
TEST_F(FrmEditGridTest, ShadesAndTotalsFollowTheCellsInEitherUnit)
{
    auto* strips = view->findChild<GridStrips*>();
    ASSERT_NE(strips, nullptr);
    const auto cell = [&](int row, int col, Qt::ItemDataRole role) {
        return view->model()->index(row - 1, col - 1).data(role);
    };
    const auto totals = [&] {
        QString shown;
        for (int r = 0; r < 3; ++r)
            shown += strips->rowStrip()->model()->index(r, 0).data().toString() + "|";
        return shown + strips->columnStrip()->model()->index(0, 0).data().toString();
    };
    grid.setCurrent(1, 1);
    grid.setSelectionEnd(2, 2);
    grid.setRangeText("30\t10\r60");
    QApplication::processEvents();
    const Rgb sixth = scaleColour(10.0 / 60); // each cell its own shade; the scale is the core's
    EXPECT_EQ(std::tuple(cell(2, 1, Qt::BackgroundRole).value<QColor>(),
                  cell(2, 1, Qt::ForegroundRole).value<QColor>(),
                  cell(1, 2, Qt::BackgroundRole).value<QColor>(),
                  cell(3, 3, Qt::BackgroundRole).isValid()),
        std::tuple(QColor(0x44, 0x01, 0x54), QColor(Qt::white),
            QColor(sixth.red, sixth.green, sixth.blue), false));
    EXPECT_EQ(cell(1, 2, Qt::ToolTipRole).toString(),
        "10 occurrences, 100.0 \u2030 of the diagram total");
    EXPECT_EQ(totals(), "40|60||90");

    control<QCheckBox>("PerThousand")->click();
    EXPECT_EQ(totals(), "400.0|600.0||900.0");
    EXPECT_EQ(grid.text(1, 1), "30"); // a display only
}

using EditScatterDiagram = test::MainView;

// Each "Edit Scatter Diagram" opens a new modal editor over the main view;
// the first saves a cell.
TEST_F(EditScatterDiagram, OpensAFreshModalEditorEachTimeWhileTheStoreKeepsTheDiagram)
{
    setup.ModelName = dir.file("JKT");
    setup.SpectrumType = "2";
    view.show();
    std::string seen;
    for (const bool save : { true, false }) {
        QTimer::singleShot(0, [&] {
            if (auto* editor = qobject_cast<frmEditGrid*>(QApplication::activeModalWidget())) {
                GridModel& grid = editor->gridView()->gridModel();
                seen += std::string(editor->parentWidget() == &view ? "" : "elsewhere ")
                    + grid.text(1, 1) + grid.text(1, 0) + "|";
                if (save) {
                    grid.setText(1, 1, "7");
                    test::click(*editor, "Command2(1)");
                }
                editor->close();
            }
        });
        test::click(view, "Command1");
    }
    EXPECT_EQ(seen, "12.25|12.25|");
    EXPECT_EQ(dir.read("JKT.DBS1").substr(0, 3), "2\r\n") << "the run's spectrum type";
    EXPECT_EQ(session.scatter.Scatter[1][1], 7.0f);
}

} // namespace
} // namespace quorin
