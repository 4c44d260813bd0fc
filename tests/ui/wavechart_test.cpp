#include "common/viewsettings.h"
#include "mainform/frmmain.h"
#include "mainform/wavechartpanel.h"
#include "ui/widgets.h"

#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QScatterSeries>

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace quorin {
namespace {

using test::accessibleName;

// The program's own settings, in memory; a missing key reads as "".
struct MemoryViewSettings : ViewSettings {
    std::string value(const std::string& key) const override { return values[key]; }
    void setValue(const std::string& key, const std::string& v) override { values[key] = v; }
    mutable std::map<std::string, std::string> values;
};

class WaveChartTest : public testing::Test {
protected:
    void SetUp() override
    {
        view.keepViewState(settings);
        ASSERT_TRUE(test::showActive(view));
    }
    QScatterSeries* series(const char* name)
    {
        for (QAbstractSeries* each : view.waveChart()->chart()->series())
            if (each->name() == QLatin1String(name))
                return qobject_cast<QScatterSeries*>(each);
        return nullptr;
    }
    void clickWave(QScatterSeries* waves, int index)
    {
        QChart* chart = view.waveChart()->chart();
        const QPointF inChart = chart->mapToPosition(waves->at(index), waves);
        QChartView* chartView = view.waveChart()->chartView();
        const QPoint at = chartView->mapFromScene(chart->mapToScene(inChart));
        QTest::mouseClick(chartView->viewport(), Qt::LeftButton, {}, at);
    }
    QString facts() { return test::child<QLabel>(view, "WaveFacts")->text(); }

    Session session;
    test::Platforms platforms;
    MemoryViewSettings settings;
    frmMain view { session, platforms.platform() };
};

TEST_F(WaveChartTest, ChartRedrawsAsCellsChangeAndAClickChoosesTheRow)
{
    EXPECT_TRUE(view.waveChart()->isHidden());
    test::click(view, "cmdCHART");
    EXPECT_TRUE(view.waveChart()->isVisible());
    EXPECT_EQ(settings.value("WaveChart/Shown"), "1");
    EXPECT_EQ(accessibleName(view.waveChart()->chartView()), "Wave Chart");
    EXPECT_EQ(accessibleName(test::child(view, "WaveFacts")), "Wave Facts");

    session.setup.NoOfWaves = 3;
    GridModel& waves = session.waves;
    waves.setCurrent(1, 1);
    waves.setSelectionEnd(3, 3);
    waves.setRangeText("1\t5\t1\r4\t8\t2\r3\t3\t2");
    QApplication::processEvents();
    ASSERT_EQ(series("Linear")->count(), 1);
    ASSERT_EQ(series("Stokes fifth order")->count(), 2);
    EXPECT_TRUE(facts().startsWith("Wave 1: 1.257 rad/s")) << facts().toStdString();

    clickWave(series("Stokes fifth order"), 1);
    EXPECT_EQ(waves.row(), 3);
    EXPECT_TRUE(facts().endsWith("this wave would break")) << facts().toStdString();
    EXPECT_EQ(series("Current row")->at(0), QPointF(3, 3));
}

TEST_F(WaveChartTest, PanelStateIsKeptForTheNextRun)
{
    view.showWaveChart(true);
    Session next;
    frmMain reopened { next, platforms.platform() };
    EXPECT_TRUE(reopened.waveChart()->isHidden());
    reopened.keepViewState(settings);
    EXPECT_FALSE(reopened.waveChart()->isHidden());
    test::click(reopened, "cmdCHART");
    EXPECT_EQ(settings.value("WaveChart/Shown"), "0");
}

} // namespace
} // namespace quorin
