#pragma once

#include "report/runreport.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quorin {

// A run of pages of the report. A PDF starts each on a new page, in its own
// orientation; the web page shows them one after another (and prints each
// diagram on a page of its own).
struct ReportSection {
    std::string body; // the HTML inside <body>
    bool landscape = false;
};

// The report in HTML as web browsers and Qt's rich text both read it.
struct ReportHtml {
    std::string title;
    std::vector<ReportSection> sections;

    // The web page: every section in one document.
    std::string document() const;
    // One section as a document of its own.
    std::string sectionDocument(std::size_t index) const;
};

// The wave chart's picture, in pixels of a screen of 96 dots an inch.
inline constexpr int kChartWidth = 640;
inline constexpr int kChartHeight = 400;

// chartSource: where the wave chart's picture is found (a data URL in the web
// page, a resource name when Qt draws the PDF).
ReportHtml reportHtml(const RunReport& report, std::string_view chartSource);

// The line at the foot of each page of a PDF: "Run report of JKT, page 3 of 9".
std::string pageFooter(const RunReport& report, int page, int pages);

} // namespace quorin
