#include "report/qt/celltablepainter.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>
#include <numeric>

namespace quorin {

namespace {

const QColor kHeadingColour(0xec, 0xec, 0xec);
const QColor kLineColour(0x9a, 0x9a, 0x9a);

} // namespace

CellTablePainter::CellTablePainter(const CellTable& table, const QFont& font,
    const QPaintDevice& device, bool right, std::size_t equalFrom)
    : table_(table)
    , font_(font)
    , bold_(font)
    , right_(right)
    , equalFrom_(equalFrom)
    , pad_(3.0 * device.logicalDpiX() / 96)
    , line_(1.0 * device.logicalDpiX() / 96)
{
    bold_.setBold(true);
    const QFontMetricsF plain(font_, &device);
    const QFontMetricsF heavy(bold_, &device);
    rowHeight_ = std::max(plain.height(), heavy.height()) + 2 * pad_;
    for (const auto& row : table_) {
        widths_.resize(std::max(widths_.size(), row.size()), 0);
        for (std::size_t c = 0; c < row.size(); ++c) {
            const QString text = QString::fromStdString(row[c].text);
            const qreal width
                = (row[c].heading ? heavy : plain).horizontalAdvance(text) + 2 * pad_ + line_;
            widths_[c] = std::max(widths_[c], width);
        }
    }
    if (equalFrom_ > 0 && equalFrom_ + 1 < widths_.size()) {
        const auto first = widths_.begin() + static_cast<std::ptrdiff_t>(equalFrom_);
        std::fill(first, widths_.end() - 1, *std::max_element(first, widths_.end() - 1));
    }
}

QSizeF CellTablePainter::size() const
{
    return { std::accumulate(widths_.begin(), widths_.end(), 0.0),
        rowHeight_ * static_cast<qreal>(table_.size()) };
}

void CellTablePainter::widen(qreal width)
{
    const qreal extra = width - size().width();
    if (extra <= 0 || equalFrom_ == 0 || equalFrom_ + 1 >= widths_.size())
        return;
    const auto count = static_cast<qreal>(widths_.size() - 1 - equalFrom_);
    for (std::size_t c = equalFrom_; c + 1 < widths_.size(); ++c)
        widths_[c] += extra / count;
}

void CellTablePainter::draw(QPainter& painter, QPointF at) const
{
    painter.save();
    const QSizeF whole = size();
    qreal y = at.y();
    for (const auto& row : table_) {
        qreal x = at.x();
        for (std::size_t c = 0; c < row.size(); ++c) {
            const ShadedCell& cell = row[c];
            const QRectF box(x, y, widths_[c], rowHeight_);
            if (cell.shade)
                painter.fillRect(box, QColor(cell.shade->red, cell.shade->green, cell.shade->blue));
            else if (cell.heading)
                painter.fillRect(box, kHeadingColour);
            painter.setFont(cell.heading ? bold_ : font_);
            painter.setPen(cell.lightText ? Qt::white : Qt::black);
            painter.drawText(box.adjusted(pad_, 0, -pad_, 0),
                Qt::AlignVCenter | (right_ ? Qt::AlignRight : Qt::AlignLeft),
                QString::fromStdString(cell.text));
            x += widths_[c];
        }
        y += rowHeight_;
    }
    painter.setPen(QPen(kLineColour, line_));
    for (std::size_t r = 0; r <= table_.size(); ++r) {
        const qreal rowY = at.y() + rowHeight_ * static_cast<qreal>(r);
        painter.drawLine(QPointF(at.x(), rowY), QPointF(at.x() + whole.width(), rowY));
    }
    qreal x = at.x();
    for (std::size_t c = 0; c <= widths_.size(); ++c) {
        painter.drawLine(QPointF(x, at.y()), QPointF(x, at.y() + whole.height()));
        if (c < widths_.size())
            x += widths_[c];
    }
    painter.restore();
}

} // namespace quorin
