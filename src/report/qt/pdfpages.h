#pragma once

#include "report/reporthtml.h"

#include <QByteArray>
#include <QImage>

#include <functional>
#include <string>

namespace quorin {

// The name the wave chart's picture goes by in the sections' HTML.
inline constexpr const char* kChartResource = "chart:waves";

// The sections on A4 pages of a PDF, each section from a new page in its own
// orientation, with the footer's line at the foot of every page. A section
// wider than its pages is drawn smaller to fit, never cut.
QByteArray pdfPages(const ReportHtml& html, const QImage& chart,
    const std::function<std::string(int page, int pages)>& footer);

} // namespace quorin
