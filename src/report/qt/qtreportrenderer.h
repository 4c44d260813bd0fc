#pragma once

#include "report/reportoutput.h"

namespace quorin {

// Draws the report with Qt's own means: the HTML through Qt's rich text onto
// the pages of a PDF, or as a web page, the wave chart as a picture in both.
// Needs a QGuiApplication.
class QtReportRenderer final : public ReportRenderer {
public:
    Result<std::string> render(const RunReport& report, ReportFormat format) const override;
};

} // namespace quorin
