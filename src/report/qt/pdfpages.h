#pragma once

#include "report/reporthtml.h"
#include "report/runreport.h"

#include <QByteArray>
#include <QImage>

#include <functional>
#include <string>
#include <vector>

namespace quorin {

// The name the wave chart's picture goes by in the HTML.
inline constexpr const char* kChartResource = "chart:waves";

// A PDF of A4 pages: the HTML before the diagrams through Qt's rich text on
// portrait pages, then each shown diagram on a landscape page of its own,
// with the footer's line at the foot of every page. What is wider than its
// page is drawn smaller to fit, never cut.
QByteArray pdfPages(const ReportHtml& html, const std::vector<const DiagramReport*>& diagrams,
    const QImage& chart, const std::function<std::string(int page, int pages)>& footer);

} // namespace quorin
