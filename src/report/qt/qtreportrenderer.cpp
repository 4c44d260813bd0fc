#include "report/qt/qtreportrenderer.h"

#include "report/diagramtable.h"
#include "report/qt/chartpicture.h"
#include "report/qt/pdfpages.h"
#include "report/reporthtml.h"

#include <QBuffer>
#include <QGuiApplication>

namespace quorin {

namespace {

// The chart drawn this many times finer than a screen, so it stays sharp in print.
constexpr int kChartScale = 3;

std::string pngDataUrl(const QImage& image)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return "data:image/png;base64," + png.toBase64().toStdString();
}

} // namespace

Result<std::string> QtReportRenderer::render(const RunReport& report, ReportFormat format) const
{
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return fail("The report could not be drawn: the program started without its drawing "
                    "platform. Report this fault.");
    const QImage chart = chartPicture(report.chart, report.steepnessName, kChartScale);
    if (format == ReportFormat::Html)
        return reportHtml(report, pngDataUrl(chart)).document();
    const QByteArray pdf = pdfPages(reportHtml(report, kChartResource), shownDiagrams(report),
        chart, [&report](int page, int pages) { return pageFooter(report, page, pages); });
    return pdf.toStdString();
}

} // namespace quorin
