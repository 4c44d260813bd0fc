#include "report/qt/pdfpages.h"

#include "report/qt/diagrampage.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>
#include <QUrl>

namespace quorin {

namespace {

constexpr qreal kFooterPoints = 7.5;

QPageLayout pageLayout(QPageLayout::Orientation orientation)
{
    return QPageLayout(
        QPageSize(QPageSize::A4), orientation, QMarginsF(15, 15, 15, 12), QPageLayout::Millimeter);
}

// The text before the diagrams laid out on its pages: body is the part of a
// page the text takes, in the document's units, which are the device's
// pixels over scale.
struct Flow {
    QTextDocument document;
    QSizeF body;
    qreal scale = 1;
};

void layOut(
    Flow& flow, const ReportHtml& html, const QImage& chart, QPdfWriter& writer, const QSizeF& body)
{
    QTextDocument& document = flow.document;
    document.documentLayout()->setPaintDevice(&writer);
    document.setDocumentMargin(0);
    document.addResource(
        QTextDocument::ImageResource, QUrl(QString::fromUtf8(kChartResource)), chart);
    document.setHtml(QString::fromStdString(html.bodyDocument()));
    flow.body = body;
    document.setPageSize(body);
    // A table that cannot be narrower than the page: the whole flow is drawn smaller.
    const qreal needed = document.size().width();
    if (needed > body.width() * 1.001) {
        flow.scale = body.width() / needed;
        flow.body = body / flow.scale;
        document.setPageSize(flow.body);
    }
}

void drawFlowPage(QPainter& painter, const Flow& flow, int page)
{
    painter.save();
    painter.scale(flow.scale, flow.scale);
    const QRectF shown(0, page * flow.body.height(), flow.body.width(), flow.body.height());
    painter.translate(0, -shown.top());
    painter.setClipRect(shown);
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = shown;
    flow.document.documentLayout()->draw(&painter, context);
    painter.restore();
}

} // namespace

QByteArray pdfPages(const ReportHtml& html, const std::vector<const DiagramReport*>& diagrams,
    const QImage& chart, const std::function<std::string(int page, int pages)>& footer)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setTitle(QString::fromStdString(html.title));
    writer.setCreator(QStringLiteral("Quorin"));
    QFont footerFont(QStringLiteral("DejaVu Sans"));
    footerFont.setPointSizeF(kFooterPoints);
    const qreal footerHeight = kFooterPoints * 2.4 * writer.resolution() / 72;
    const auto body = [&](QPageLayout::Orientation orientation) {
        const QSizeF page = pageLayout(orientation).paintRectPixels(writer.resolution()).size();
        return QSizeF(page.width(), page.height() - footerHeight);
    };

    Flow flow;
    layOut(flow, html, chart, writer, body(QPageLayout::Portrait));
    const int flowPages = flow.document.pageCount();
    const int pages = flowPages + static_cast<int>(diagrams.size());

    writer.setPageLayout(pageLayout(QPageLayout::Portrait));
    QPainter painter(&writer);
    for (int page = 0; page < pages; ++page) {
        const auto orientation = page < flowPages ? QPageLayout::Portrait : QPageLayout::Landscape;
        if (page > 0) {
            writer.setPageLayout(pageLayout(orientation));
            writer.newPage();
        }
        const QSizeF area = body(orientation);
        if (page < flowPages)
            drawFlowPage(painter, flow, page);
        else
            drawDiagramPage(painter, *diagrams[static_cast<std::size_t>(page - flowPages)],
                QRectF(QPointF(0, 0), area));
        painter.setFont(footerFont);
        painter.setPen(QColor(64, 64, 64));
        painter.drawText(
            QRectF(0, area.height() + footerHeight / 2, area.width(), footerHeight / 2),
            Qt::AlignRight | Qt::AlignBottom, QString::fromStdString(footer(page + 1, pages)));
    }
    painter.end();
    return bytes;
}

} // namespace quorin
