#include "mainform/wavechartpanel.h"

#include "common/qt/widgethelpers.h"
#include "wavetable/chartkey.h"

#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QLineSeries>
#include <QScatterSeries>
#include <QVBoxLayout>
#include <QValueAxis>

#include <utility>

namespace quorin {

namespace {

namespace text = chartkey;

const QColor kLinearColour(text::linearColour);
const QColor kStokesColour(text::stokesColour);
const QColor kBreakingColour(text::breakingColour);
const QColor kGuideColour(text::guideColour);

// The chart's key, under it: it wraps where the chart's own legend would cut its entries short.
QString keyText(const QString& steepness)
{
    const auto entry = [](const QColor& colour, const char* mark, const QString& name) {
        return QStringLiteral(
            "<span style=\"white-space:nowrap\"><span style=\"color:%1\">%2</span> %3</span>")
            .arg(colour.name(), QString::fromUtf8(mark), name.toHtmlEscaped());
    };
    const QString gap = QStringLiteral(" &nbsp; ");
    return entry(kLinearColour, "\u25cf", qs(text::linear)) + gap
        + entry(kStokesColour, "\u25b2", qs(text::stokes)) + gap
        + entry(QColor(Qt::black), "\u25ef", qs(text::current)) + gap
        + entry(kGuideColour, "\u254c\u254c", steepness) + gap
        + entry(kBreakingColour, "\u2501\u2501", qs(text::breaking)) + gap
        + entry(kGuideColour, "\u2509\u2509", qs(text::theory));
}

constexpr qreal kMarkerSize = 9;
constexpr qreal kRingSize = 17;

QList<QPointF> pointsOf(const std::vector<ChartPoint>& points)
{
    QList<QPointF> list;
    list.reserve(static_cast<qsizetype>(points.size()));
    for (const ChartPoint& point : points)
        list.append({ point.period, point.height });
    return list;
}

} // namespace

WaveChartPanel::WaveChartPanel(QWidget* parent)
    : QWidget(parent)
    , view_(new QChartView(this))
    , key_(new QLabel(this))
{
    setObjectName(QStringLiteral("WaveChartPanel"));
    view_->setObjectName(QStringLiteral("WaveChart"));
    view_->setAccessibleName(qs(text::chart));
    view_->setRenderHint(QPainter::Antialiasing);
    view_->setFocusPolicy(Qt::NoFocus);
    view_->setMinimumSize(320, 260);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(view_, 1);
    key_->setObjectName(QStringLiteral("WaveChartKey"));
    key_->setWordWrap(true);
    key_->setTextFormat(Qt::RichText);
    key_->setContentsMargins(6, 0, 6, 4);
    column->addWidget(key_);

    QChart* chart = view_->chart();
    chart->legend()->hide();
    chart->setMargins(QMargins(4, 4, 4, 4));
    periodAxis_ = new QValueAxis(chart);
    heightAxis_ = new QValueAxis(chart);
    periodAxis_->setTitleText(qs(text::period));
    heightAxis_->setTitleText(qs(text::height));
    for (QValueAxis* axis : { periodAxis_, heightAxis_ }) {
        axis->setLabelFormat(QStringLiteral("%g"));
        axis->setTickType(QValueAxis::TicksDynamic);
        axis->setTickAnchor(0);
    }
    chart->addAxis(periodAxis_, Qt::AlignBottom);
    chart->addAxis(heightAxis_, Qt::AlignLeft);

    steepness_ = lineSeries({}, kGuideColour, Qt::DashLine);
    breaking_ = lineSeries(qs(text::breaking), kBreakingColour, Qt::SolidLine);
    theory_ = lineSeries(qs(text::theory), kGuideColour, Qt::DotLine);
    linear_ = waveSeries(qs(text::linear), QScatterSeries::MarkerShapeCircle, kLinearColour);
    stokes_ = waveSeries(qs(text::stokes), QScatterSeries::MarkerShapeTriangle, kStokesColour);
    current_ = waveSeries(qs(text::current), QScatterSeries::MarkerShapeCircle, Qt::transparent);
    current_->setMarkerSize(kRingSize);
    current_->setPen(QPen(palette().color(QPalette::WindowText), 2));
}

QChart* WaveChartPanel::chart() const
{
    return view_->chart();
}

QScatterSeries* WaveChartPanel::waveSeries(const QString& name, int shape, const QColor& colour)
{
    auto* series = new QScatterSeries(view_->chart());
    series->setName(name);
    series->setMarkerShape(static_cast<QScatterSeries::MarkerShape>(shape));
    series->setMarkerSize(kMarkerSize);
    series->setColor(colour);
    series->setBorderColor(colour.darker(130));
    view_->chart()->addSeries(series);
    series->attachAxis(periodAxis_);
    series->attachAxis(heightAxis_);
    connect(series, &QScatterSeries::clicked, this, &WaveChartPanel::choose);
    return series;
}

QLineSeries* WaveChartPanel::lineSeries(
    const QString& name, const QColor& colour, Qt::PenStyle style)
{
    auto* series = new QLineSeries(view_->chart());
    series->setName(name);
    series->setPen(QPen(colour, 1.5, style));
    view_->chart()->addSeries(series);
    series->attachAxis(periodAxis_);
    series->attachAxis(heightAxis_);
    return series;
}

void WaveChartPanel::draw(WaveChart chart, double waveSteepness, char decimalSymbol)
{
    drawn_ = std::move(chart);
    QList<QPointF> linear;
    QList<QPointF> stokes;
    for (const ChartWave& wave : drawn_.waves)
        (wave.stokes ? stokes : linear).append({ wave.point.period, wave.point.height });
    linear_->replace(linear);
    stokes_->replace(stokes);
    const QString steepness = qs(chartkey::steepnessName(waveSteepness, decimalSymbol));
    steepness_->setName(steepness);
    key_->setText(keyText(steepness));
    steepness_->replace(pointsOf(drawn_.steepnessCurve));
    breaking_->replace(pointsOf(drawn_.breakingCurve));
    theory_->replace({ { 0, drawn_.theoryHeight }, { drawn_.periodEnd, drawn_.theoryHeight } });
    periodAxis_->setRange(0, drawn_.periodEnd);
    periodAxis_->setTickInterval(drawn_.periodStep);
    heightAxis_->setRange(0, drawn_.heightEnd);
    heightAxis_->setTickInterval(drawn_.heightStep);
    view_->setAccessibleDescription(qs(chartSummary(drawn_)));
}

void WaveChartPanel::markRow(int row)
{
    QList<QPointF> ring;
    for (const ChartWave& wave : drawn_.waves)
        if (wave.row == row)
            ring.append({ wave.point.period, wave.point.height });
    current_->replace(ring);
}

void WaveChartPanel::choose(const QPointF& point)
{
    if (const auto row = waveRowAt(drawn_, { point.x(), point.y() }))
        emit waveChosen(*row);
}

} // namespace quorin
