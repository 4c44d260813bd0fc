#include "report/reportoutput.h"

#include "common/linewriter.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace quorin {

namespace {

bool endsWith(std::string_view text, std::string_view ending)
{
    return text.size() >= ending.size()
        && std::ranges::equal(text.substr(text.size() - ending.size()), ending,
            [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
}

} // namespace

std::optional<ReportFormat> reportFormatOf(std::string_view path)
{
    if (endsWith(path, ".pdf"))
        return ReportFormat::Pdf;
    if (endsWith(path, ".html"))
        return ReportFormat::Html;
    return std::nullopt;
}

std::string proposedReportName(const std::string& modelName)
{
    return (modelName.empty() ? std::string("run") : modelName) + "-report.pdf";
}

Result<std::string> writeReport(const RunReport& report, const std::string& path,
    const ReportRenderer& renderer, FileLayer& files)
{
    const auto format = reportFormatOf(path);
    if (!format)
        return fail("The report file " + path
                + " has neither .pdf nor .html at the end of its name: give it one of the two.",
            path);
    const std::string full = std::filesystem::absolute(path).lexically_normal().string();
    if (std::ranges::find(report.files.paths, full) != report.files.paths.end())
        return fail("The report file " + path
                + " is a file Create writes for the run: choose another name for the report.",
            path);
    const auto bytes = renderer.render(report, *format);
    if (!bytes)
        return std::unexpected(bytes.error());
    try {
        LineWriter out(files, path, LineWriter::Mode::Replace);
        out << *bytes;
        out.close();
    } catch (const WriteError& error) {
        return fail("Could not write the report " + error.file() + ": " + error.reason()
                + ". Choose another folder or name and try again.",
            error.file());
    }
    return "Wrote the run report " + path;
}

} // namespace quorin
