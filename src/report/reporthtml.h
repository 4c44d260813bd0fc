#pragma once

#include "report/runreport.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quorin {

// The report in HTML as web browsers and Qt's rich text both read it: the
// inputs, the waves, the list of diagrams and the files, then a page for
// each diagram shown.
struct ReportHtml {
    std::string title;
    std::string body; // the HTML inside <body>, before the diagrams' pages
    std::vector<std::string> diagrams; // each shown diagram's page

    // The web page: all of it in one document, each diagram printed on a page of its own.
    std::string document() const;
    // What comes before the diagrams, as a document of its own.
    std::string bodyDocument() const;
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
