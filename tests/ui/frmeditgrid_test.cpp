#include "common/qt/gridview.h"
#include "scatter/frmeditgrid.h"
#include "scatter/scatterfixture.h"
#include "support/scripted.h"
#include "support/tempdir.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

namespace quorin {
namespace {

QString accessibleName(QObject* object)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
    return face ? face->text(QAccessible::Name) : QStringLiteral("<none>");
}

class FrmEditGridTest : public testing::Test {
protected:
    void SetUp() override
    {
        editor.show();
        QApplication::setActiveWindow(&editor);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&editor));
    }
    template <typename Widget = QWidget> Widget* control(const char* name)
    {
        auto* found = editor.findChild<Widget*>(QString::fromLatin1(name));
        if (!found)
            throw std::runtime_error(std::string("no control ") + name);
        return found;
    }
    QString text(const char* name) { return control<QLineEdit>(name)->text(); }
    // A mouse click, which takes the focus as a user's click does.
    void click(const char* name) { QTest::mouseClick(control(name), Qt::LeftButton); }
    QRect cellRect(int row, int col)
    {
        return view->visualRect(view->model()->index(row - 1, col - 1));
    }
    void clickCell(int row, int col)
    {
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cellRect(row, col).center());
    }
    void type(const char* keys) { QTest::keyClicks(QApplication::focusWidget(), keys); }
    void enter() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); }

    test::TempDir dir;
    test::ScriptedPrompter prompter;
    test::MemoryClipboard clipboard;
    DiskFiles files;
    test::FixedClock clock;
    test::FixedNumberFormat numberFormat;
    GridEdit store;
    frmEditGrid editor { store, { dir.file("DECK"), "3" },
        { prompter, clipboard, files, clock, numberFormat } };
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
    for (const char* box : { "Text2", "Text3(0)", "Text3(1)" })
        EXPECT_EQ(text(box), "1") << box;
    EXPECT_FALSE(control<QCheckBox>("Check1")->isChecked());

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
    const int heading = view->fontMetrics().horizontalAdvance("12.25");
    EXPECT_GT(view->verticalHeader()->width(), heading);
    EXPECT_GT(view->columnWidth(0), heading);
}

TEST_F(FrmEditGridTest, GridFillsTheWindowBelowTheButtons)
{
    for (const QSize size : { QSize(900, 640), QSize(120, 10) }) {
        editor.resize(size);
        const int top = control("Command2(0)")->height();
        EXPECT_EQ(view->geometry(), QRect(0, top, size.width(), std::max(0, size.height() - top)));
    }
}

TEST_F(FrmEditGridTest, EnterWalksDownAndStaysOnTheLastRow)
{
    clickCell(24, 3);
    for (const char* value : { "5", "6", "7" }) {
        type(value);
        enter();
    }
    EXPECT_EQ(grid.text(24, 3), "5");
    EXPECT_EQ(grid.text(25, 3), "7");
    EXPECT_EQ(std::pair(grid.row(), grid.col()), std::pair(25, 3));
    EXPECT_TRUE(view->editorOpen());
    EXPECT_EQ(view->editor()->text(), "7");
}

TEST_F(FrmEditGridTest, SaveDropsTheTypedTextAndReopensTheEditorOnTheOldOne)
{
    grid.setText(1, 1, "4");
    clickCell(1, 1);
    type("9");
    click("Command2(1)");
    EXPECT_EQ(grid.text(1, 1), "4");
    EXPECT_EQ(store.Scatter[1][1], 4.0f);
    const std::string file = dir.read("DECK.DBS1");
    EXPECT_EQ(file.substr(file.rfind("\r\n", file.size() - 3) + 2, 6), " 4  0 ");
    EXPECT_TRUE(view->editorOpen());
    EXPECT_EQ(view->editor()->text(), "4");
}

TEST_F(FrmEditGridTest, CopyAndPasteWorkOnTheSelectionAndPasteStripsTheFirstCharacter)
{
    struct Case {
        int endRow, endCol; // the selection from (2, 2)
        const char* button;
        std::string clipboardBefore, clipboardAfter;
        std::vector<std::string> block; // rows 2 and 3, columns 2 to 4, after the command
    };
    const Case cases[] = {
        { 3, 4, "Command3(1)", "", "1\t2\t3\r4\t5\t6", { "1", "2", "3", "4", "5", "6" } },
        { 3, 3, "Command3(2)", "7\t8\r\n9\t0", "7\t8\r\n9\t0", { "7", "8", "3", "9", "0", "6" } },
        { 2, 2, "Command3(2)", "-5", "-5", { "5", "2", "3", "4", "5", "6" } },
        { 2, 2, "Command3(2)", ".5", ".5", { "5", "2", "3", "4", "5", "6" } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.clipboardBefore);
        for (int i = 0; i < 6; ++i)
            grid.setText(2 + i / 3, 2 + i % 3, std::to_string(i + 1));
        clickCell(2, 2);
        grid.setSelectionEnd(c.endRow, c.endCol);
        clipboard.setText(c.clipboardBefore);
        click(c.button);
        clickCell(25, 18); // leaving the cell keeps what the command left there
        EXPECT_EQ(clipboard.text(), c.clipboardAfter);
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(grid.text(2 + i / 3, 2 + i % 3), c.block[static_cast<std::size_t>(i)]) << i;
    }
}

TEST_F(FrmEditGridTest, CutEmptiesTheBlockFromTheAnchorDraggedUpAndRight)
{
    for (int r = 1; r <= 3; ++r)
        for (int c = 2; c <= 4; ++c)
            grid.setText(r, c, std::to_string(r * 10 + c));
    grid.setText(4, 2, "x");
    clickCell(3, 2);
    QTest::mousePress(view->viewport(), Qt::LeftButton, {}, cellRect(3, 2).center());
    QTest::mouseMove(view->viewport(), cellRect(1, 4).center());
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, cellRect(1, 4).center());
    ASSERT_EQ(std::pair(grid.anchorRow(), grid.anchorCol()), std::pair(3, 2));
    click("Command3(0)");
    EXPECT_EQ(clipboard.text(), "12\t13\t14\r22\t23\t24\r32\t33\t34");
    for (int r = 1; r <= 3; ++r)
        for (int c = 2; c <= 4; ++c)
            EXPECT_EQ(grid.text(r, c), "") << r << "," << c;
    EXPECT_EQ(grid.text(4, 2), "x");
}

TEST_F(FrmEditGridTest, KeysOnTheGridRunCutCopyAndPaste)
{
    grid.setText(6, 6, "3");
    grid.setCurrent(6, 6);
    view->OpenCellEditor();
    QTest::keyClick(view->editor(), Qt::Key_Escape); // the editor closed
    ASSERT_TRUE(view->hasFocus());
    // The key, the clipboard before it and the cell and clipboard after it.
    const std::vector<std::tuple<Qt::Key, std::string, std::string, std::string>> steps
        = { { Qt::Key_C, "", "3", "3" }, { Qt::Key_V, "-4", "4", "-4" },
              { Qt::Key_X, "-4", "", "4" } };
    for (const auto& [key, before, cell, copied] : steps) {
        clipboard.setText(before);
        QTest::keyClick(view, key, Qt::ControlModifier);
        EXPECT_EQ(grid.text(6, 6), cell) << key;
        EXPECT_EQ(clipboard.text(), copied) << key;
    }
}

TEST_F(FrmEditGridTest, SpinButtonsStepTheDirectionWithoutWrapping)
{
    const std::vector<std::tuple<const char*, const char*, const char*>> cases
        = { { "1", "UpDown1Down", "1" }, { "12", "UpDown1Up", "12" },
              { "11.5", "UpDown1Up", "12.5" }, { "3", "UpDown1Down", "2" } };
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
    EXPECT_EQ(prompter.messages()[1].text, "Scatter Diagram not Found");
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
