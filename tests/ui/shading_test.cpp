#include "common/qt/gridstrips.h"
#include "scatter/frmeditgrid.h"
#include "scatter/sharescale.h"
#include "support/tempdir.h"
#include "ui/widgets.h"

#include <QCheckBox>
#include <QTableView>

#include <gtest/gtest.h>

namespace quorin {
namespace {

using test::accessibleName;

QString stripText(QTableView* strip, int row, int col)
{
    return strip->model()->index(row, col).data().toString();
}

class ScatterShadingTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(test::showActive(editor)); }
    QVariant cell(int row, int col, Qt::ItemDataRole role)
    {
        return view->model()->index(row - 1, col - 1).data(role);
    }
    QStringList rowTotals(int rows)
    {
        QStringList texts;
        for (int r = 0; r < rows; ++r)
            texts << stripText(strips->rowStrip(), r, 0);
        return texts;
    }
    void settle() { QApplication::processEvents(); }

    test::TempDir dir;
    test::Platforms platforms;
    GridEdit store;
    frmEditGrid editor { store, { dir.file("DECK"), "3" }, platforms.platform() };
    GridView* view = editor.gridView();
    GridModel& grid = view->gridModel();
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
    settle();
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
    EXPECT_EQ(rowTotals(3), QStringList({ "40", "60", "" }));
    EXPECT_EQ(stripText(strips->columnStrip(), 0, 0) + " " + stripText(strips->columnStrip(), 0, 1),
        "90 10");

    test::child<QCheckBox>(editor, "PerThousand")->click();
    EXPECT_EQ(rowTotals(3), QStringList({ "400.0", "600.0", "" }));
    EXPECT_EQ(grid.text(1, 1), "30"); // a display only

    grid.setRangeText("\t\r");
    settle();
    EXPECT_FALSE(cell(2, 1, Qt::BackgroundRole).isValid());
    EXPECT_EQ(rowTotals(3), QStringList({ "", "", "" }));
}

// The strips stand beside the cells, not over them, whatever the scrolling.
TEST_F(ScatterShadingTest, StripsLineUpWithTheRowsAndColumnsBesideTheCells)
{
    editor.resize(500, 300);
    settle();
    view->scrollTo(view->model()->index(24, 17));
    settle();
    const QRect cells = view->viewport()->geometry();
    QWidget* rowClip = strips->rowStrip()->parentWidget();
    QWidget* columnClip = strips->columnStrip()->parentWidget();
    EXPECT_GE(rowClip->geometry().left(), cells.right());
    EXPECT_GE(columnClip->geometry().top(), cells.bottom());
    const int lastRow = view->rowViewportPosition(24) + cells.y();
    EXPECT_EQ(strips->rowStrip()->rowViewportPosition(24) + strips->rowStrip()->y(),
        lastRow - rowClip->y());
}

} // namespace
} // namespace quorin
