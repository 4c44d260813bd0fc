#pragma once

#include "common/filelayer.h"
#include "common/result.h"
#include "report/runreport.h"

#include <optional>
#include <string>
#include <string_view>

namespace quorin {

enum class ReportFormat { Pdf, Html };

// The format a report file's name asks for by its ending, .pdf or .html in
// any case; none for another ending.
std::optional<ReportFormat> reportFormatOf(std::string_view path);

// The name proposed for a model's report: its stem followed by "-report.pdf".
std::string proposedReportName(const std::string& modelName);

// How a report becomes the bytes of its file: the platform draws it.
class ReportRenderer {
public:
    virtual ~ReportRenderer() = default;
    virtual Result<std::string> render(const RunReport& report, ReportFormat format) const = 0;
};

// Writes the report file: refuses a name without .pdf or .html and the name
// of a file Create writes, draws the report, and writes the file whole
// (beside the old one, then put in its place). Gives the line that says what
// was written, or the failure that names the file and what to do.
Result<std::string> writeReport(const RunReport& report, const std::string& path,
    const ReportRenderer& renderer, FileLayer& files);

} // namespace quorin
