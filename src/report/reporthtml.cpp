#include "report/reporthtml.h"

#include "mainform/runchanges.h"
#include "report/diagramhtml.h"
#include "report/diagramtable.h"
#include "report/htmltext.h"
#include "wavetable/chartkey.h"

namespace quorin {

namespace {

// Read by browsers and by Qt's rich text alike.
constexpr std::string_view kStyle
    = R"(body { font-family: 'DejaVu Sans', Arial, sans-serif; font-size: 9pt; }
h1 { font-size: 17pt; margin-bottom: 2px; }
h2 { font-size: 13pt; margin-top: 16px; margin-bottom: 6px; }
h3 { font-size: 10pt; margin-top: 10px; margin-bottom: 4px; }
table { border-collapse: collapse; border-color: #9a9a9a; }
th { background-color: #ececec; }
table { margin-bottom: 6px; }
table.diagram { font-size: 8pt; }
p.note { color: #404040; }
.page { page-break-before: always; }
)";

std::string factsTable(const std::vector<ReportLine>& lines)
{
    std::string out = "<table" + std::string(html::kTable) + ">\n";
    for (const ReportLine& line : lines)
        out += html::row({ line.caption, line.value, line.unit }, "td", "l");
    return out + "</table>\n";
}

std::string inputsHtml(const RunReport& report)
{
    std::string out = html::element("h2", "Inputs") + "\n";
    for (const InputGroup& group : report.inputs)
        out += html::element("h3", group.frame.empty() ? "Run set-up" : group.frame) + "\n"
            + factsTable(group.lines);
    return out + html::element("h2", "The run Create would write") + "\n" + factsTable(report.run);
}

std::string wavesHtml(const RunReport& report, std::string_view chartSource)
{
    std::string out = html::element("h2", "Transfer-function waves") + "\n";
    if (report.waves.empty()) {
        out += html::element("p",
                   "No row of the wave table has a height above 0, so Create would write no "
                   "wave. Enter the waves, or generate the default waves, and make the report "
                   "again.")
            + "\n";
    } else {
        out += "<table" + std::string(html::kTable) + ">\n<thead>"
            + html::row({ "Wave", chartkey::height, chartkey::period, "Theory",
                            "Circular frequency (rad/s)", "Wavelength (m)", "Steepness" },
                "th", "rrrlr")
            + "</thead>\n";
        for (const WaveLine& wave : report.waves)
            out += html::row(
                { wave.row, wave.height, wave.period, wave.theory, wave.frequency, wave.wavelength,
                    wave.breaking ? wave.steepness + ", breaks" : wave.steepness },
                "td", "rrrlr");
        out += "</table>\n"
            + html::element("p",
                "Circular frequency and wavelength (deep water, 1.56131 T\u00b2) as the wave "
                "table shows them; a wave steeper than 1 in 7 breaks.",
                R"( class="note")")
            + "\n";
    }
    return out + "<h3>" + html::escaped(chartkey::chart) + "</h3>\n<p><img src=\""
        + html::escaped(chartSource) + "\" width=\"" + std::to_string(kChartWidth) + "\" height=\""
        + std::to_string(kChartHeight) + "\" alt=\"" + html::escaped(report.chartSummary)
        + "\"></p>\n" + html::element("p", report.chartSummary + ".", R"( class="note")") + "\n";
}

std::string filesHtml(const CreatePreview& files)
{
    std::string out = html::element("h2", "Files Create would write") + "\n";
    if (!files.stop.empty())
        return out + html::element("p", files.stop) + "\n";
    out += html::element("p",
               "Create would write " + withThousands(files.count) + " files in the folder "
                   + files.folder + " (a file elsewhere is named with its folder):")
        + "\n<table" + std::string(html::kTable) + ">\n<thead>"
        + html::row({ "File", "To", "Files" }, "th", "llr") + "</thead>\n";
    for (const FileRange& range : files.files)
        out += html::row(
            { range.first, range.count > 1 ? range.last : "", std::to_string(range.count) }, "td",
            "llr");
    return out + "</table>\n";
}

std::string documentOf(const std::string& title, const std::string& body)
{
    return "<!DOCTYPE html>\n<html lang=\"en\"><head><meta charset=\"utf-8\"><title>"
        + html::escaped(title) + "</title>\n<style>\n" + std::string(kStyle)
        + "</style></head>\n<body>\n" + body + "</body></html>\n";
}

} // namespace

ReportHtml reportHtml(const RunReport& report, std::string_view chartSource)
{
    ReportHtml out;
    out.title = report.title;
    out.body = html::element("h1", report.title) + "\n" + html::element("p", report.made) + "\n"
        + inputsHtml(report) + wavesHtml(report, chartSource)
        + html::element("h2", "Scatter diagrams") + "\n" + diagramListHtml(report.diagrams)
        + filesHtml(report.files);
    for (const DiagramReport* diagram : shownDiagrams(report))
        out.diagrams.push_back(diagramHtml(*diagram));
    return out;
}

std::string ReportHtml::bodyDocument() const
{
    return documentOf(title, body);
}

std::string ReportHtml::document() const
{
    std::string all = body;
    for (const std::string& diagram : diagrams)
        all += "<div class=\"page\">\n" + diagram + "</div>\n";
    return documentOf(title, all);
}

std::string pageFooter(const RunReport& report, int page, int pages)
{
    return report.title + ", page " + std::to_string(page) + " of " + std::to_string(pages);
}

} // namespace quorin
