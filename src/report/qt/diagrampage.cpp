#include "report/qt/diagrampage.h"

#include "report/diagramtable.h"
#include "report/qt/celltablepainter.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

namespace quorin {

namespace {

QFont reportFont(qreal points, bool bold = false)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

} // namespace

void drawDiagramPage(QPainter& painter, const DiagramReport& diagram, const QRectF& area)
{
    const QPaintDevice& device = *painter.device();
    const QFont heading = reportFont(13, true);
    const QFont note = reportFont(9);
    const qreal gap = QFontMetricsF(note, &device).height() * 0.8;
    const QString title = QString::fromStdString(diagramHeading(diagram));
    const QString shading
        = QString::fromUtf8(shadingNote().data(), static_cast<qsizetype>(shadingNote().size()));

    const CellTable facts = diagramFacts(diagram);
    const CellTable cells = diagramCells(diagram);
    const CellTablePainter factsTable(facts, reportFont(9), device, false);
    CellTablePainter cellsTable(cells, reportFont(9), device, true, 1);
    cellsTable.widen(area.width());

    const qreal headingHeight = QFontMetricsF(heading, &device).height() * 1.4;
    const qreal width = std::max(cellsTable.size().width(), factsTable.size().width());
    const QRectF noteBox(0, 0, width, area.height());
    const qreal noteHeight
        = QFontMetricsF(note, &device).boundingRect(noteBox, Qt::TextWordWrap, shading).height();
    const qreal height = headingHeight + factsTable.size().height() + gap
        + cellsTable.size().height() + gap + noteHeight;
    const qreal scale = std::min({ 1.0, area.width() / width, area.height() / height });

    painter.save();
    painter.translate(area.topLeft());
    painter.scale(scale, scale);
    painter.setFont(heading);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(0, 0, width, headingHeight), Qt::AlignLeft | Qt::AlignTop, title);
    qreal y = headingHeight;
    factsTable.draw(painter, QPointF(0, y));
    y += factsTable.size().height() + gap;
    cellsTable.draw(painter, QPointF(0, y));
    y += cellsTable.size().height() + gap;
    painter.setFont(note);
    painter.setPen(QColor(0x40, 0x40, 0x40));
    painter.drawText(QRectF(0, y, width, noteHeight), Qt::TextWordWrap, shading);
    painter.restore();
}

} // namespace quorin
