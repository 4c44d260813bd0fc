#include "report/qt/pdfpages.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>
#include <QUrl>

#include <memory>
#include <vector>

namespace quorin {

namespace {

constexpr qreal kFooterPoints = 7.5;

QPageLayout pageLayout(bool landscape)
{
    return QPageLayout(QPageSize(QPageSize::A4),
        landscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF(15, 15, 15, 12),
        QPageLayout::Millimeter);
}

// A section laid out on its pages: body is the part of a page the text takes,
// in the document's units, which are the device's pixels over scale.
struct Section {
    std::unique_ptr<QTextDocument> document;
    QPageLayout layout;
    QSizeF body;
    qreal scale = 1;
    int pages = 0;
};

Section layOut(const ReportHtml& html, std::size_t index, const QImage& chart, QPdfWriter& writer,
    qreal footerHeight)
{
    Section section { std::make_unique<QTextDocument>(), pageLayout(html.sections[index].landscape),
        {}, 1, 0 };
    QTextDocument& document = *section.document;
    document.documentLayout()->setPaintDevice(&writer);
    document.setDocumentMargin(0);
    document.addResource(
        QTextDocument::ImageResource, QUrl(QString::fromUtf8(kChartResource)), chart);
    document.setHtml(QString::fromStdString(html.sectionDocument(index)));
    const QSizeF page = section.layout.paintRectPixels(writer.resolution()).size();
    section.body = QSizeF(page.width(), page.height() - footerHeight);
    document.setPageSize(section.body);
    // A table that cannot be narrower than the page: the whole section is drawn smaller.
    const qreal needed = document.size().width();
    if (needed > section.body.width() * 1.001) {
        section.scale = section.body.width() / needed;
        section.body /= section.scale;
        document.setPageSize(section.body);
    }
    section.pages = document.pageCount();
    return section;
}

void drawPage(QPainter& painter, const Section& section, int page)
{
    painter.save();
    painter.scale(section.scale, section.scale);
    const QRectF shown(
        0, page * section.body.height(), section.body.width(), section.body.height());
    painter.translate(0, -shown.top());
    painter.setClipRect(shown);
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = shown;
    section.document->documentLayout()->draw(&painter, context);
    painter.restore();
}

} // namespace

QByteArray pdfPages(const ReportHtml& html, const QImage& chart,
    const std::function<std::string(int page, int pages)>& footer)
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

    std::vector<Section> sections;
    int pages = 0;
    for (std::size_t i = 0; i < html.sections.size(); ++i) {
        sections.push_back(layOut(html, i, chart, writer, footerHeight));
        pages += sections.back().pages;
    }
    writer.setPageLayout(sections.front().layout);
    QPainter painter(&writer);
    int page = 0;
    for (const Section& section : sections)
        for (int k = 0; k < section.pages; ++k) {
            if (page > 0) {
                writer.setPageLayout(section.layout);
                writer.newPage();
            }
            drawPage(painter, section, k);
            ++page;
            const QSizeF area = section.layout.paintRectPixels(writer.resolution()).size();
            painter.setFont(footerFont);
            painter.setPen(QColor(64, 64, 64));
            painter.drawText(
                QRectF(0, area.height() - footerHeight / 2, area.width(), footerHeight / 2),
                Qt::AlignRight | Qt::AlignBottom, QString::fromStdString(footer(page, pages)));
        }
    painter.end();
    return bytes;
}

} // namespace quorin
