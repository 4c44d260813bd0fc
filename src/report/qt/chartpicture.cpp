#include "report/qt/chartpicture.h"

#include "report/reporthtml.h"
#include "wavetable/chartkey.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <vector>

namespace quorin {

namespace {

constexpr qreal kMark = 9; // a wave's mark, across
constexpr qreal kFontPixels = 11;

// Where the chart's values lie in the picture.
class Plot {
public:
    Plot(const WaveChart& chart, const QRectF& area)
        : chart_(chart)
        , area_(area)
    {
    }
    QPointF at(double period, double height) const
    {
        return { area_.left() + area_.width() * period / chart_.periodEnd,
            area_.bottom() - area_.height() * height / chart_.heightEnd };
    }
    QPainterPath curve(const std::vector<ChartPoint>& points) const
    {
        QPainterPath path;
        for (std::size_t i = 0; i < points.size(); ++i) {
            const QPointF point = at(points[i].period, points[i].height);
            i == 0 ? path.moveTo(point) : path.lineTo(point);
        }
        return path;
    }
    const QRectF& area() const { return area_; }

private:
    const WaveChart& chart_;
    QRectF area_;
};

void drawMark(QPainter& painter, QPointF centre, bool stokes)
{
    const QColor colour(stokes ? chartkey::stokesColour : chartkey::linearColour);
    painter.setPen(QPen(colour.darker(130), 1));
    painter.setBrush(colour);
    const qreal r = kMark / 2;
    if (!stokes) {
        painter.drawEllipse(centre, r, r);
        return;
    }
    painter.drawPolygon(QPolygonF(
        { centre + QPointF(0, -r), centre + QPointF(r, r * 0.8), centre + QPointF(-r, r * 0.8) }));
}

void drawAxes(QPainter& painter, const WaveChart& chart, const Plot& plot)
{
    const QRectF& area = plot.area();
    const QFontMetricsF metrics(painter.font());
    painter.setBrush(Qt::NoBrush);
    for (double t = 0; t <= chart.periodEnd * (1 + 1e-9); t += chart.periodStep) {
        const qreal x = plot.at(t, 0).x();
        painter.setPen(QPen(QColor(225, 225, 225), 1));
        painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(x - 30, area.bottom() + 3, 60, metrics.height()),
            Qt::AlignHCenter | Qt::AlignTop, QString::number(t, 'g', 6));
    }
    for (double h = 0; h <= chart.heightEnd * (1 + 1e-9); h += chart.heightStep) {
        const qreal y = plot.at(0, h).y();
        painter.setPen(QPen(QColor(225, 225, 225), 1));
        painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(area.left() - 46, y - metrics.height() / 2, 42, metrics.height()),
            Qt::AlignRight | Qt::AlignVCenter, QString::number(h, 'g', 6));
    }
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(area);
    painter.drawText(
        QRectF(area.left(), area.bottom() + metrics.height() + 4, area.width(), metrics.height()),
        Qt::AlignHCenter, QString::fromUtf8(chartkey::period));
    painter.save();
    painter.translate(area.left() - 50, area.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-area.height() / 2, -metrics.height(), area.height(), metrics.height()),
        Qt::AlignHCenter, QString::fromUtf8(chartkey::height));
    painter.restore();
}

// The key's entries left to right from the point given, wrapping at the right edge.
void drawKey(QPainter& painter, QPointF from, qreal right, const std::string& steepness)
{
    struct Entry {
        QString name;
        const char* colour;
        Qt::PenStyle line; // Qt::NoPen: a wave's mark
        bool stokes;
    };
    const Entry entries[] = {
        { QString::fromUtf8(chartkey::linear), chartkey::linearColour, Qt::NoPen, false },
        { QString::fromUtf8(chartkey::stokes), chartkey::stokesColour, Qt::NoPen, true },
        { QString::fromStdString(steepness), chartkey::guideColour, Qt::DashLine, false },
        { QString::fromUtf8(chartkey::breaking), chartkey::breakingColour, Qt::SolidLine, false },
        { QString::fromUtf8(chartkey::theory), chartkey::guideColour, Qt::DotLine, false },
    };
    const QFontMetricsF metrics(painter.font());
    const qreal sample = 24;
    QPointF at = from;
    for (const Entry& entry : entries) {
        const qreal width = sample + 6 + metrics.horizontalAdvance(entry.name) + 16;
        if (at.x() + width > right && at.x() > from.x())
            at = QPointF(from.x(), at.y() + metrics.height() + 4);
        const QPointF middle = at + QPointF(sample / 2, metrics.height() / 2);
        if (entry.line == Qt::NoPen) {
            drawMark(painter, middle, entry.stokes);
        } else {
            painter.setPen(QPen(QColor(entry.colour), 1.5, entry.line));
            painter.drawLine(middle - QPointF(sample / 2, 0), middle + QPointF(sample / 2, 0));
        }
        painter.setPen(Qt::black);
        painter.drawText(QRectF(at.x() + sample + 6, at.y(), width, metrics.height()),
            Qt::AlignLeft | Qt::AlignVCenter, entry.name);
        at.rx() += width;
    }
}

} // namespace

QImage chartPicture(const WaveChart& chart, const std::string& steepnessName, int scale)
{
    QImage image(kChartWidth * scale, kChartHeight * scale, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(static_cast<int>(kFontPixels));
    painter.setFont(font);

    const Plot plot(chart, QRectF(62, 12, kChartWidth - 62 - 16, kChartHeight - 12 - 86));
    drawAxes(painter, chart, plot);
    painter.save();
    painter.setClipRect(plot.area());
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(chartkey::guideColour), 1.5, Qt::DotLine));
    painter.drawLine(plot.at(0, chart.theoryHeight), plot.at(chart.periodEnd, chart.theoryHeight));
    painter.setPen(QPen(QColor(chartkey::guideColour), 1.5, Qt::DashLine));
    painter.drawPath(plot.curve(chart.steepnessCurve));
    painter.setPen(QPen(QColor(chartkey::breakingColour), 1.5, Qt::SolidLine));
    painter.drawPath(plot.curve(chart.breakingCurve));
    painter.restore();
    for (const ChartWave& wave : chart.waves)
        drawMark(painter, plot.at(wave.point.period, wave.point.height), wave.stokes);
    drawKey(
        painter, QPointF(plot.area().left(), kChartHeight - 40), kChartWidth - 8, steepnessName);
    return image;
}

} // namespace quorin
