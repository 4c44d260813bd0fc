#include "mainform/frmmain.h"

#include "common/numberformat.h"
#include "common/qt/gridview.h"
#include "common/qt/widgethelpers.h"
#include "common/viewsettings.h"
#include "mainform/wavechartpanel.h"
#include "wavetable/wavechart.h"
#include "wavetable/wavefacts.h"

#include <QGroupBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

// The wave chart beside the wave table, in a pane the user shows or hides,
// and the facts line of the current wave row under the table. Displays only:
// they read the cells and change nothing.
namespace quorin {

namespace {

namespace text {
constexpr const char* chartSwitch = "Wave &Chart";
constexpr const char* chartSwitchName = "Show Wave Chart";
constexpr const char* facts = "Wave Facts";
} // namespace text

constexpr const char* kChartShownKey = "WaveChart/Shown";
const QColor kWarningColour(192, 0, 0);

} // namespace

QWidget* frmMain::buildWavePanes(QGroupBox* waveData)
{
    // The facts line closes the wave frame, under its last row of buttons.
    waveFacts_ = named(new QLabel(waveData), QStringLiteral("WaveFacts"));
    waveFacts_->setAccessibleName(qs(text::facts));
    waveFacts_->setWordWrap(true);
    waveFacts_->setMinimumHeight(2 * waveFacts_->fontMetrics().lineSpacing());
    waveFacts_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    waveFacts_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    qobject_cast<QVBoxLayout*>(waveData->layout())->addWidget(waveFacts_);

    wavePanes_ = named(new QSplitter(Qt::Horizontal, content_), QStringLiteral("WavePanes"));
    wavePanes_->setChildrenCollapsible(false);
    wavePanes_->addWidget(waveData);
    waveChart_ = new WaveChartPanel(wavePanes_);
    wavePanes_->addWidget(waveChart_);
    wavePanes_->setStretchFactor(0, 1);
    wavePanes_->setStretchFactor(1, 2);
    waveChart_->hide();
    return wavePanes_;
}

void frmMain::bindWaveChart()
{
    chartSwitch_ = named(new QToolButton(statusBar()), QStringLiteral("cmdCHART"));
    chartSwitch_->setText(qs(text::chartSwitch));
    chartSwitch_->setAccessibleName(qs(text::chartSwitchName));
    chartSwitch_->setCheckable(true);
    // Its access key reaches it: the Tab order of the view's controls stays as it is.
    chartSwitch_->setFocusPolicy(Qt::NoFocus);
    statusBar()->addPermanentWidget(chartSwitch_);
    connect(chartSwitch_, &QToolButton::toggled, this, &frmMain::showWaveChart);

    waveRedraw_.follow(Grid2->model());
    // Create and Append recount the waves.
    for (QPushButton* command : cmdCREATE)
        connect(command, &QPushButton::clicked, this, [this] { waveRedraw_.schedule(); });
    connect(Grid2->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] {
        showWaveFacts();
        waveChart_->markRow(waves_.row());
    });
    connect(waveChart_, &WaveChartPanel::waveChosen, this,
        [this](int row) { waves_.setCurrent(row, waves_.col()); });
    redrawWaveChart();
}

void frmMain::redrawWaveChart()
{
    waveChart_->draw(quorin::waveChart(waves_, setup_.NoOfWaves, setup_.WaveSteepness),
        setup_.WaveSteepness, platform_.numberFormat.decimalSymbol());
    waveChart_->markRow(waves_.row());
    showWaveFacts();
}

void frmMain::showWaveFacts()
{
    const std::string line = waveFactsLine(
        waves_, waves_.row(), setup_.NoOfWaves, platform_.numberFormat.decimalSymbol());
    waveFacts_->setText(qs(line));
    waveFacts_->setAccessibleDescription(qs(line));
    const WaveRow row = readWaveRow(waves_, waves_.row());
    const auto facts = waveFacts(row.height, row.period);
    const bool warn = waves_.row() <= setup_.NoOfWaves && facts && facts->breaking();
    QPalette palette;
    if (warn)
        palette.setColor(QPalette::WindowText, kWarningColour);
    waveFacts_->setPalette(palette);
}

void frmMain::showWaveChart(bool shown)
{
    if (chartSwitch_->isChecked() != shown) {
        chartSwitch_->setChecked(shown); // comes back here through toggled
        return;
    }
    if (waveChart_->isHidden() != shown)
        return;
    waveChart_->setVisible(shown);
    if (viewSettings_)
        viewSettings_->setValue(kChartShownKey, shown ? "1" : "0");
    // A window with room on its screen grows by the chart rather than
    // squeezing the wave table.
    if (isVisible() && shown && !isMaximized() && !isFullScreen()) {
        const QRect area = screen()->availableGeometry();
        const int chartWidth = waveChart_->sizeHint().width() + wavePanes_->handleWidth();
        resize(std::min(width() + chartWidth, area.width()), height());
        move(std::clamp(x(), area.x(), std::max(area.x(), area.right() + 1 - width())), y());
    }
}

void frmMain::keepViewState(ViewSettings& settings)
{
    viewSettings_ = nullptr;
    showWaveChart(settings.value(kChartShownKey) == "1");
    viewSettings_ = &settings;
}

} // namespace quorin
