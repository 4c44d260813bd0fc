#include "scatter/frmeditgrid.h"
#include "scatter/scatterfixture.h"
#include "ui/widgets.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QToolButton>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorin {
namespace {

using test::accessibleName;
using test::Cell;

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

} // namespace
} // namespace quorin
