#pragma once

#include "report/runreport.h"

#include <QFont>
#include <QPointF>
#include <QSizeF>

#include <vector>

class QPainter;
class QPaintDevice;

namespace quorin {

// A table of cells drawn straight onto a page, as the report's HTML shows
// it: headings bold on grey, shaded cells in their colour, thin lines between
// all cells. Columns take the width of their widest text; the columns from
// `equalFrom` to the one before the last take one width, and share what
// widen() adds.
class CellTablePainter {
public:
    CellTablePainter(const CellTable& table, const QFont& font, const QPaintDevice& device,
        bool right, std::size_t equalFrom = 0);

    QSizeF size() const;
    void widen(qreal width);
    void draw(QPainter& painter, QPointF at) const;

private:
    const CellTable& table_;
    QFont font_;
    QFont bold_;
    bool right_;
    std::size_t equalFrom_;
    qreal pad_;
    qreal line_;
    qreal rowHeight_ = 0;
    std::vector<qreal> widths_;
};

} // namespace quorin
