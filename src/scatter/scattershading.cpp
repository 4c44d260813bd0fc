#include "scatter/scattershading.h"

#include "common/qt/gridstrips.h"
#include "common/qt/gridview.h"
#include "common/qt/widgethelpers.h"
#include "scatter/sharescale.h"

#include <QAccessible>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLinearGradient>
#include <QPainter>

namespace quorin {

namespace {

namespace text {
constexpr const char* rowTotals = "Row Totals";
constexpr const char* columnTotals = "Column Totals";
constexpr const char* perThousand = "Totals in \u2030 of the diagram";
constexpr const char* legend = "Shading Scale";
constexpr const char* low = "0";
constexpr const char* perThousandUnit = " ‰";
} // namespace text

QColor colourOf(Rgb rgb)
{
    return QColor(rgb.red, rgb.green, rgb.blue);
}

constexpr int kGradientSteps = 10;
constexpr int kBarWidth = 120;

} // namespace

// The shading scale from its light end (0) to its dark end, labelled with the
// largest cell's value.
class ShareLegend : public QWidget {
public:
    explicit ShareLegend(QWidget* parent)
        : QWidget(parent)
    {
        setObjectName(QStringLiteral("ShareLegend"));
        setAccessibleName(qs(text::legend));
    }
    void setLargest(const QString& largest)
    {
        if (largest_ == largest)
            return;
        largest_ = largest;
        setAccessibleDescription(largest.isEmpty()
                ? QString()
                : QStringLiteral("From light for 0 to dark for the largest cell, %1").arg(largest));
        updateGeometry();
        update();
    }
    QSize sizeHint() const override
    {
        const QFontMetrics metrics = fontMetrics();
        return { labelWidth(metrics, qs(text::low)) + kBarWidth + labelWidth(metrics, label()),
            metrics.height() + 4 };
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (largest_.isEmpty())
            return;
        QPainter painter(this);
        const QFontMetrics metrics = fontMetrics();
        const int left = labelWidth(metrics, qs(text::low));
        const QRect bar(left, 2, kBarWidth, height() - 4);
        QLinearGradient gradient(bar.topLeft(), bar.topRight());
        for (int i = 0; i <= kGradientSteps; ++i) {
            const double at = static_cast<double>(i) / kGradientSteps;
            gradient.setColorAt(at, colourOf(scaleColour(at)));
        }
        painter.fillRect(bar, gradient);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawRect(bar.adjusted(0, 0, -1, -1));
        painter.drawText(
            QRect(0, 0, left - 4, height()), Qt::AlignRight | Qt::AlignVCenter, qs(text::low));
        painter.drawText(QRect(bar.right() + 5, 0, width() - bar.right() - 5, height()),
            Qt::AlignLeft | Qt::AlignVCenter, label());
    }

private:
    static int labelWidth(const QFontMetrics& metrics, const QString& label)
    {
        return metrics.horizontalAdvance(label) + 10;
    }
    QString label() const { return largest_; }

    QString largest_;
};

ScatterShading::ScatterShading(GridView& grid, char decimalSymbol)
    : QObject(&grid)
    , grid_(grid)
    , decimalSymbol_(decimalSymbol)
    , strips_(new GridStrips(grid, qs(text::rowTotals), qs(text::columnTotals)))
{
    auto* footer = new QWidget(&grid);
    footer->setObjectName(QStringLiteral("ShadingFooter"));
    legend_ = new ShareLegend(footer);
    perThousand_ = new QCheckBox(qs(text::perThousand), footer);
    perThousand_->setObjectName(QStringLiteral("PerThousand"));
    auto* row = new QHBoxLayout(footer);
    row->setContentsMargins(4, 2, 4, 2);
    row->addWidget(legend_);
    row->addSpacing(12);
    row->addWidget(perThousand_);
    row->addStretch();
    strips_->setFooter(footer);

    queued_.follow(grid.model());
    connect(perThousand_, &QCheckBox::toggled, this, &ScatterShading::refresh);
    refresh();
}

ShareUnit ScatterShading::unit() const
{
    return perThousand_->isChecked() ? ShareUnit::PerThousand : ShareUnit::Occurrences;
}

void ScatterShading::refresh()
{
    const ScatterShares shares = scatterShares(grid_.gridModel());
    std::vector<CellNote> notes;
    for (const CellShade& shade : cellShades(shares)) {
        const double value = shares.cells[shade.row][shade.col];
        notes.push_back({ shade.row, shade.col, qs(shareNote(value, shares.total, decimalSymbol_)),
            colourOf(shade.colour), shade.lightText ? QColor(Qt::white) : QColor(Qt::black) });
    }
    grid_.setCellNotes(notes, QColor());

    const auto shown
        = [&](double value) { return qs(shownTotal(value, shares.total, unit(), decimalSymbol_)); };
    std::vector<QString> rows;
    for (int r = 1; r < kScatterGridRows; ++r)
        rows.push_back(shown(shares.rowTotals[r]));
    std::vector<QString> columns;
    for (int c = 1; c < kScatterGridCols; ++c)
        columns.push_back(shown(shares.columnTotals[c]));
    strips_->setTexts(rows, columns);
    QString largest;
    if (shares.largest > 0)
        largest = shown(shares.largest)
            + (unit() == ShareUnit::PerThousand ? qs(text::perThousandUnit) : QString());
    legend_->setLargest(largest);
}

} // namespace quorin
