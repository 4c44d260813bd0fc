#pragma once

#include "wavetable/wavechart.h"

#include <QWidget>

class QChart;
class QLabel;
class QChartView;
class QLineSeries;
class QScatterSeries;
class QValueAxis;

namespace quorin {

// The wave chart: each wave as a point of period against height, marked by
// its theory, the current row's wave ringed, the curves of constant
// steepness for the wave steepness and for 1 in 7, and the height at which
// generated waves change theory. A click on a wave chooses its row.
class WaveChartPanel : public QWidget {
    Q_OBJECT
public:
    explicit WaveChartPanel(QWidget* parent = nullptr);

    void draw(WaveChart chart, double waveSteepness, char decimalSymbol);
    void markRow(int row);

    QChartView* chartView() const { return view_; }
    QChart* chart() const;
    const WaveChart& drawn() const { return drawn_; }

signals:
    void waveChosen(int row);

private:
    QScatterSeries* waveSeries(const QString& name, int shape, const QColor& colour);
    QLineSeries* lineSeries(const QString& name, const QColor& colour, Qt::PenStyle style);
    void choose(const QPointF& point);

    QChartView* view_;
    QScatterSeries* linear_;
    QScatterSeries* stokes_;
    QScatterSeries* current_;
    QLineSeries* steepness_;
    QLineSeries* breaking_;
    QLineSeries* theory_;
    QValueAxis* periodAxis_;
    QValueAxis* heightAxis_;
    QLabel* key_;
    WaveChart drawn_;
};

} // namespace quorin
