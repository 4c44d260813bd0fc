#include "common/qt/gridview.h"
#include "common/qt/qtprompter.h"
#include "mainform/frmmain.h"
#include "support/scripted.h"
#include "wavetable/wavegrid.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>

namespace quorin {
namespace {

using Cell = std::pair<int, int>;

// The main view with its wave table on the desktop clipboard of Qt.
class WaveTableTest : public testing::Test {
protected:
    void SetUp() override
    {
        view.show();
        QApplication::setActiveWindow(&view);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
    }

    void click(const char* name)
    {
        QTest::mouseClick(
            view.findChild<QAbstractButton*>(QString::fromLatin1(name)), Qt::LeftButton);
    }
    QPoint centre(Cell cell) const
    {
        GridView* grid = view.waveGrid();
        const QModelIndex index = grid->model()->index(cell.first - 1, cell.second - 1);
        grid->scrollTo(index);
        return grid->visualRect(index).center();
    }
    // The mouse goes down on `from` and comes up on `to`.
    void select(Cell from, Cell to)
    {
        QWidget* cells = view.waveGrid()->viewport();
        QTest::mousePress(cells, Qt::LeftButton, {}, centre(from));
        QTest::mouseMove(cells, centre(to));
        QTest::mouseRelease(cells, Qt::LeftButton, {}, centre(to));
    }
    // The data cells from row 1 down as range text (TAB, CR), empty rows at the end left out.
    void put(const std::string& rows)
    {
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
    QString heading(int row) const
    {
        return view.waveGrid()->model()->headerData(row - 1, Qt::Vertical).toString();
    }

    Session session;
    RunSetup& setup = session.setup;
    GridModel& waves = session.waves;
    test::ScriptedPrompter prompter;
    QtClipboard clipboard;
    DiskFiles files;
    test::FixedClock clock;
    test::FixedNumberFormat numberFormat;
    frmMain view { session, { prompter, clipboard, files, clock, numberFormat } };
};

// The table and the clipboard, a range selected with the mouse, something
// typed into the editor (never stored), then a button or a key: the
// clipboard and the table after it.
struct ClipboardCase {
    const char* name;
    const char* table;
    Cell from, to;
    const char* clipboard;
    const char* action; // a button's object name, "grid ^C" or "editor ^V"
    const char* clipboardAfter;
    const char* tableAfter;
    const char* typed = "";
};
void PrintTo(const ClipboardCase& c, std::ostream* out)
{
    *out << c.name;
}

class WaveClipboardTest : public WaveTableTest,
                          public testing::WithParamInterface<ClipboardCase> { };

TEST_P(WaveClipboardTest, ButtonsAndKeysExchangeTheRangeWithTheClipboard)
{
    const ClipboardCase& p = GetParam();
    put(p.table);
    clipboard.setText(p.clipboard);
    select(p.from, p.to);
    QTest::keyClicks(QApplication::focusWidget(), QString::fromLatin1(p.typed));
    const std::string action = p.action;
    if (action == "grid ^C")
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    if (action.find('^') != std::string::npos)
        QTest::keyClick(QApplication::focusWidget(), action.back(), Qt::ControlModifier);
    else
        click(p.action);
    EXPECT_EQ(clipboard.text(), p.clipboardAfter);
    EXPECT_EQ(table(), p.tableAfter);
    // The editor holds the current cell's text, so leaving the cell writes nothing new.
    EXPECT_EQ(
        view.waveGrid()->editor()->text().toStdString(), waves.text(waves.row(), waves.col()));
}

INSTANTIATE_TEST_SUITE_P(WaveTable, WaveClipboardTest,
    testing::Values(ClipboardCase { "Copy", "1\t2\t3\r4\t5\t6", { 1, 1 }, { 2, 3 }, "",
                        "Command2(2)", "1\t2\t3\r4\t5\t6", "1\t2\t3\r4\t5\t6" },
        ClipboardCase { "CopyKeyOnTheGrid", "1\t2\t3\r4\t5\t6", { 1, 1 }, { 2, 3 }, "", "grid ^C",
            "1\t2\t3\r4\t5\t6", "1\t2\t3\r4\t5\t6" },
        ClipboardCase { "CopyLeavesOutWhatIsTyped", "1\t\t", { 1, 1 }, { 1, 1 }, "", "Command2(2)",
            "1", "1\t\t", "99" },
        ClipboardCase { "PasteOfABlockIntoOneCell", "", { 3, 2 }, { 3, 2 }, "1\t2\r3\t4",
            "Command2(1)", "1\t2\r3\t4", "\t\t\r\t\t\r\t1\t" },
        ClipboardCase { "PasteOfSpreadsheetRows", "", { 1, 1 }, { 2, 2 }, "1.5\t10\r\n2.0\t12\r\n",
            "Command2(1)", "1.5\t10\r\n2.0\t12\r\n", "1.5\t10\t\r2.0\t12\t" },
        ClipboardCase { "PasteKeyOfABlockInTheEditor", "", { 1, 1 }, { 2, 2 },
            "1.5\t10\r\n2.0\t12\r\n", "editor ^V", "1.5\t10\r\n2.0\t12\r\n",
            "1.5\t10\t\r2.0\t12\t" },
        ClipboardCase { "CleanUp", "-1.5\t 7\t.5", { 1, 1 }, { 1, 3 }, "", "Command2(2)",
            "-1.5\t 7\t.5", "1.5\t7\t5" },
        ClipboardCase { "CopyUpAndLeftHasNoCleanUp", "-1\t\t\r\t-2\t", { 2, 2 }, { 1, 1 }, "",
            "Command2(2)", "-1\t\r\t-2", "-1\t\t\r\t-2\t" },
        ClipboardCase { "PasteUpAndLeftHasNoCleanUp", "", { 2, 2 }, { 1, 1 }, "-a\t-b\r-c\t-d",
            "Command2(1)", "-a\t-b\r-c\t-d", "-a\t-b\t\r-c\t-d\t" },
        ClipboardCase { "CutFromTheCellPressed", "a\tb\tc\rd\te\tf\rg\th\ti", { 3, 2 }, { 1, 3 },
            "", "Command2(0)", "b\tc\re\tf\rh\ti", "a\t\t\rd\t\t\rg\t\t" }),
    [](const testing::TestParamInfo<ClipboardCase>& info) { return std::string(info.param.name); });

TEST_F(WaveTableTest, InsertAfterInterpolatesInRedAndRefusesTheLastWave)
{
    put("\t\t\r\t\t\r8\t10\t2\r9\t12\t1\r7\t14\t");
    setup.NoOfWaves = 5;
    select({ 3, 1 }, { 3, 1 });
    click("Command4(0)");
    EXPECT_EQ(setup.NoOfWaves, 6);
    const std::string after = "\t\t\r\t\t\r8\t10\t2\r10.32\t10.91\t2\r9\t12\t1\r7\t14\t";
    EXPECT_EQ(table(), after);
    const QAbstractItemModel* cells = view.waveGrid()->model();
    for (int row = 1; row <= 7; ++row)
        EXPECT_EQ(cells->data(cells->index(row - 1, 1), Qt::ForegroundRole).value<QColor>(),
            row == 4 ? QColor(255, 0, 0) : QColor())
            << row;
    EXPECT_TRUE(prompter.messages().empty());

    select({ 6, 2 }, { 6, 2 });
    click("Command4(0)");
    ASSERT_EQ(prompter.messages().size(), 1u);
    EXPECT_NE(prompter.messages()[0].text.find("row 6"), std::string::npos);
    EXPECT_EQ(table(), after);
}

TEST_F(WaveTableTest, ToggleShowsRadPerSecondThenRowNumbers)
{
    put("\t10\t\r\t12.5\t\r\t20\t");
    setup.NoOfWaves = 2;
    click("Command4(1)");
    EXPECT_EQ(heading(1), "0.628");
    EXPECT_EQ(heading(2), "0.503");
    EXPECT_EQ(heading(3), "3");
    click("Command4(1)");
    EXPECT_EQ(heading(1), "1");
    EXPECT_EQ(heading(2), "2");
}

// Generate Default Waves, with `inDialog` done on its dialog while it is shown.
class DefaultWavesCommandTest : public WaveTableTest {
protected:
    void generate(const std::function<void(QDialog&)>& inDialog)
    {
        QTimer::singleShot(0, &view, [&inDialog] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_TRUE(dialog);
            inDialog(*dialog);
        });
        click("Command3");
    }
    static void press(QDialog& dialog, const char* button)
    {
        QTest::mouseClick(
            dialog.findChild<QAbstractButton*>(QString::fromLatin1(button)), Qt::LeftButton);
    }
    std::string row(int r) const
    {
        return waves.text(r, 1) + "/" + waves.text(r, 2) + "/" + waves.text(r, 3);
    }
    void expectEditorOverTheCurrentCell() const
    {
        EXPECT_TRUE(view.waveGrid()->editorOpen());
        EXPECT_EQ(view.waveGrid()->editor()->text().toStdString(), waves.text(2, 3));
    }

    void SetUp() override
    {
        WaveTableTest::SetUp();
        setup.WaveSteepness = 22;
        setup.NoOfWaves = 21;
        put(std::string(20, '\r') + "old");
        waves.setText(2, 3, "9");
        waves.setCurrent(2, 3);
    }
};

TEST_F(DefaultWavesCommandTest, OkWithTheDefaultsFillsTwentyRows)
{
    generate([](QDialog& dialog) { press(dialog, "OKButton"); });
    EXPECT_EQ(setup.NoOfWaves, 20);
    EXPECT_EQ(row(1), "0.44/2.50/1");
    EXPECT_EQ(row(20), "13.91/14.00/2");
    EXPECT_EQ(row(21), "old//");
    ASSERT_EQ(prompter.messages().size(), 1u);
    EXPECT_EQ(prompter.messages()[0].text, "Frequency increment is 0.1087 Rad/s");
    EXPECT_EQ(prompter.messages()[0].buttons, Prompter::Buttons::Ok);
    expectEditorOverTheCurrentCell();
}

TEST_F(DefaultWavesCommandTest, RefusedThenCancelledGeneratesNothing)
{
    const std::string before = table();
    generate([](QDialog& dialog) {
        dialog.findChild<QLineEdit*>(QStringLiteral("txtINTEG(0)"))->setText("1");
        dialog.findChild<QLineEdit*>(QStringLiteral("txtREAL(1)"))->setText("18");
        press(dialog, "OKButton");
        EXPECT_TRUE(dialog.isVisible());
        press(dialog, "CancelButton");
    });
    ASSERT_EQ(prompter.messages().size(), 1u);
    EXPECT_TRUE(prompter.messages()[0].text.starts_with("Number of Waves"));
    EXPECT_EQ(setup.NoOfWaves, 21);
    EXPECT_EQ(setup.WaveSteepness, 18.0f);
    EXPECT_EQ(table(), before);
    expectEditorOverTheCurrentCell();
}

} // namespace
} // namespace quorin
