#include "common/textfile.h"
#include "ui/widgets.h"

#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

#include <gtest/gtest.h>

#include <string>

namespace quorin {
namespace {

using Usability = test::MainView;

// Run on the default screen and on a 1600 x 1000 screen at 100 % and 200 %:
// the window never opens larger than the screen, its least size is the
// layout's where the screen allows, and below that the page scrolls.
TEST_F(Usability, WindowFitsTheScreenAndScrollsBelowItsLayout)
{
    ASSERT_TRUE(test::showActive(view));
    const QSize area = view.screen()->availableGeometry().size();
    EXPECT_EQ(view.size().boundedTo(area), view.size());
    auto* page = view.findChild<QScrollArea*>(QStringLiteral("page"));
    const QSize layout = page->widget()->minimumSizeHint();
    const QSize least = view.minimumSize();
    EXPECT_EQ(least.width(), std::min(layout.width(), area.width()));
    EXPECT_LE(least.height(), area.height());
    view.resize(least);
    QApplication::processEvents();
    EXPECT_EQ(
        page->horizontalScrollBar()->maximum() > 0, layout.width() > page->viewport()->width());
}

// Tab through the whole view (Ctrl+Tab out of the wave table) and back.
TEST_F(Usability, TabFollowsTheReadingOrderAndStopsOnceInEachOptionGroup)
{
    ASSERT_TRUE(test::showActive(view));
    control("txtBATNAM")->setFocus();
    QStringList order;
    do {
        QWidget* focus = QApplication::focusWidget();
        const bool inGrid = focus == view.waveGrid() || focus == view.waveGrid()->editor();
        QTest::keyClick(focus, Qt::Key_Tab, inGrid ? Qt::ControlModifier : Qt::NoModifier);
        const QString name = QApplication::focusWidget()->objectName();
        order << (name == "Text2" ? "Grid2" : name);
    } while (order.back() != "txtBATNAM" && order.size() < 60);
    EXPECT_EQ(order.join(' ').toStdString(),
        "Option1(3) Option6(3) Command1 txtRETURN txtBLOCKS Check2 txtSTART(0) Check3 "
        "txtSTARTDIR txtSCF txtSTRESS chkJOINTS(0) txtCurve(0) chkJOINTS(1) txtCurve(1) Text1(3) "
        "Text1(2) Check1(0) txtSTART(1) cmdCREATE(0) chkJOINTS(2) txtCurve(2) txtSTART(4) "
        "chkJOINTS(3) txtCurve(3) Text1(0) Text1(1) Check1(1) Option5(1) txtSTART(5) txtSTART(3) "
        "txtDesc cmdCREATE(1) txtWAVESTEP txtDEPTH Command2(0) Command2(2) Command2(1) Grid2 "
        "Command3 Command4(0) Command4(1) cmdREPORT cmdHELP cmdQUIT txtBATNAM");
}

TEST_F(Usability, RefusedBoxTakesTheFocusAndTheStatusLineNamesIt)
{
    view.startUp(model());
    ASSERT_TRUE(test::showActive(view));
    control<QLineEdit>("txtDEPTH")->setText("deep");
    QTest::mouseClick(control("cmdCREATE(0)"), Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), control("txtDEPTH"));
    EXPECT_EQ(control<QLineEdit>("txtDEPTH")->selectedText(), "deep");
    EXPECT_TRUE(status().contains("\"Water Depth\"")) << status().toStdString();
}

// Each kind of hint comes and goes with the text; what Create writes is the
// same with hints showing (the expected file of the same run from the
// command line).
TEST_F(Usability, HintsComeAndGoAndChangeNoFile)
{
    auto* damping = control<QLineEdit>("txtBLOCKS");
    const auto base = [damping] { return damping->palette().color(QPalette::Base); };
    const QColor plain = base();
    const QString help = damping->toolTip();
    damping->setText("2,5");
    EXPECT_TRUE(damping->toolTip().startsWith(help + "\nReads as 2") && base() != plain)
        << damping->toolTip().toStdString();
    damping->setText("5");
    EXPECT_TRUE(damping->toolTip() == help && base() == plain);

    view.startUp(model());
    const QAbstractItemModel* cells = view.waveGrid()->model();
    const auto note = [cells](int row, int col) {
        return cells->data(cells->index(row - 1, col - 1), Qt::ToolTipRole).toString();
    };
    waves.setSelectionEnd(5, 3);
    waves.setRangeText("9.5\t12\t2\r1.25\t4.5\t1\r\r\r\t\t5");
    EXPECT_TRUE(note(5, 3).startsWith("Theory 5")) << note(5, 3).toStdString();
    waves.setText(2, 2, "4,5");
    EXPECT_TRUE(note(2, 2).startsWith("Reads as 4")) << note(2, 2).toStdString();
    waves.setText(2, 2, "4.5");
    EXPECT_EQ(note(2, 2), "");

    control<QAbstractButton>("Option1(1)")->click(); // 2 directions, as the expected file
    QTest::mouseClick(control("cmdCREATE(0)"), Qt::LeftButton);
    const auto expected
        = readWholeFile(std::string(QUORIN_TEST_DATA) + "/writers/dynamic_static.BRSF");
    EXPECT_EQ(dir.read("JKT.BRSF"), expected.value_or("<missing>"));
}

} // namespace
} // namespace quorin
