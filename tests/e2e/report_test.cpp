#include "e2e/batchrunner.h"

#include "common/textfile.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <numeric>
#include <set>
#include <sstream>

namespace quorin::test {
namespace {

using Table = std::vector<std::vector<std::string>>;

// The rows of the first table (that opens as given) after the heading's
// text, each row's cell texts.
Table TableAfter(
    const std::string& html, const std::string& heading, const std::string& opening = "<table")
{
    const std::size_t start = html.find(opening, html.find(heading));
    const std::size_t end = html.find("</table>", start);
    Table rows;
    for (std::size_t row = html.find("<tr>", start); row < end; row = html.find("<tr>", row + 1)) {
        rows.emplace_back();
        const std::size_t rowEnd = html.find("</tr>", row);
        for (std::size_t cell = html.find("<t", row + 4); cell < rowEnd;
             cell = html.find("<t", cell + 1)) {
            const std::size_t text = html.find('>', cell) + 1;
            rows.back().push_back(html.substr(text, html.find("</t", text) - text));
        }
    }
    return rows;
}

// The numbers of a text, in order. Read by hand: GCC 12's <regex> is not
// warning-free under the sanitizers' build.
std::vector<double> Numbers(const std::string& text)
{
    std::vector<double> found;
    for (const char* at = text.c_str(); *at != 0;) {
        const bool digit = std::isdigit(static_cast<unsigned char>(at[0]));
        const bool signOrPoint = (at[0] == '-' || at[0] == '.')
            && (std::isdigit(static_cast<unsigned char>(at[1]))
                || (at[1] == '.' && std::isdigit(static_cast<unsigned char>(at[2]))));
        if (!digit && !signOrPoint) {
            ++at;
            continue;
        }
        char* end = nullptr;
        found.push_back(std::strtod(at, &end));
        at = end;
    }
    return found;
}

// The line of a file that starts with the prefix.
std::string LineOf(const std::string& text, const std::string& prefix)
{
    const std::size_t start = text.find("\r\n" + prefix) + 2;
    return text.substr(start, text.find("\r\n", start) - start);
}

// A run of 4 directions and 20 waves with the diagrams of directions 1 and 3.
struct ReportModel {
    TempDir dir;
    std::vector<std::string> inputs = { "--model", "JKT", "--waves", "waves.txt" };
    ReportModel()
    {
        dir.write("JKT.WAV", "");
        std::string waves;
        for (int w = 0; w < 20; ++w)
            waves += std::to_string(0.75 + 0.8 * w) + "\t" + std::to_string(4.5 + 0.55 * w) + "\t"
                + (w < 6 ? "1" : "2") + "\r\n";
        dir.write("waves.txt", waves);
        dir.write("cells.txt", "\t\t3\t12.5\r\n\t1\t40\t7\r\n" + std::string(20, '\t') + "2\r\n");
        for (const char* direction : { "1", "3" })
            RunQuorinBatch(dir,
                { "scatter", direction, "--model", "JKT", "--import", "cells.txt", "--years",
                    direction });
    }
    BatchRun run(const char* command, std::vector<std::string> more = {}) const
    {
        more.insert(more.begin(), inputs.begin(), inputs.end());
        more.insert(more.begin(), command);
        return RunQuorinBatch(dir, more);
    }
};

// The report's numbers are those of the files Create wrote and of the diagram files.
TEST(QuorinBatchReport, ItsNumbersAreThoseOfTheRunsFilesAndTheDiagrams)
{
    const ReportModel model;
    const TempDir& dir = model.dir;
    ASSERT_EQ(model.run("create").status, 0);
    const auto before = FileNames(dir);
    const BatchRun report = model.run("report", { "--out", "run.html" });
    ASSERT_EQ(report.status, 0) << report.err;
    EXPECT_EQ(report.out, "Wrote the run report run.html\n");
    const std::string html = dir.read("run.html");

    const Table wavesShown = TableAfter(html, "Transfer-function waves");
    ASSERT_EQ(wavesShown.size(), 21u);
    const std::vector<double> angles = Numbers(TableAfter(html, "The run Create")[1][1]);
    ASSERT_EQ(angles.size(), 4u);
    for (int d = 1; d <= 4; ++d)
        for (int w = 1; w <= 20; ++w) {
            const std::string file = "JKT.@F" + std::to_string((d - 1) * 20 + w);
            const auto wave = Numbers(LineOf(dir.read(file), "WAVE,"));
            const auto& shown = wavesShown[static_cast<std::size_t>(w)];
            EXPECT_EQ(
                std::vector({ std::stod(shown[1]), std::stod(shown[2]), angles[d - 1] }), wave)
                << file;
        }

    std::set<std::string> listed;
    const Table files = TableAfter(html, "Files Create would write");
    for (std::size_t r = 1; r < files.size(); ++r) {
        const std::string& first = files[r][0];
        const int count = std::stoi(files[r][2]);
        const std::string stem = first.substr(0, first.find_last_not_of("0123456789") + 1);
        for (int k = 0; k < count; ++k)
            listed.insert(count == 1
                    ? first
                    : stem + std::to_string(std::stoi(first.substr(stem.size())) + k));
    }
    std::set<std::string> written(before.begin(), before.end());
    for (const char* given : { "JKT.WAV", "waves.txt", "cells.txt", "JKT.DBS1", "JKT.DBS3" })
        written.erase(given);
    EXPECT_EQ(listed, written);

    for (const std::string direction : { "1", "3" }) {
        SCOPED_TRACE("direction " + direction);
        const std::string heading = "Scatter diagram, Direction " + direction + " (";
        const Table diagram = TableAfter(html, heading, "<table class=\"diagram\"");
        ASSERT_EQ(diagram.size(), 27u);
        const std::vector<double> cells = Numbers(LineOf(dir.read("JKT.DBS" + direction), " "));
        ASSERT_EQ(cells.size(), 450u);
        const auto shown = [&](std::size_t r, std::size_t c) {
            return diagram[r][c].empty() ? 0.0 : std::stod(diagram[r][c]);
        };
        std::vector<double> rows(26), columns(19);
        for (std::size_t i = 0; i < cells.size(); ++i) {
            rows[i / 18 + 1] += cells[i];
            columns[i % 18 + 1] += cells[i];
        }
        for (std::size_t r = 1; r <= 25; ++r)
            EXPECT_DOUBLE_EQ(shown(r, 19), rows[r]) << "row " << r;
        for (std::size_t c = 1; c <= 18; ++c)
            EXPECT_DOUBLE_EQ(shown(26, c), columns[c]) << "column " << c;
        EXPECT_DOUBLE_EQ(shown(26, 19), std::accumulate(cells.begin(), cells.end(), 0.0));

        // Total and cycles per year as the scatter diagram editor shows them.
        const BatchRun open = RunQuorinBatch(dir, { "scatter", direction, "--model", "JKT" });
        const Table facts = TableAfter(html, heading);
        EXPECT_EQ(Numbers(open.out.substr(open.out.rfind("Total :"))),
            std::vector({ std::stod(facts[1][3]), std::stod(facts[1][4]) }));
        EXPECT_EQ(facts[1][2], direction);
    }
    EXPECT_EQ(FileNames(dir).size(), before.size() + 1) << "the report and no other file";
}

// The PNG picture's width and height, from its header.
std::pair<int, int> PictureSize(const std::string& png)
{
    const auto at = [&](std::size_t i) {
        int value = 0;
        for (std::size_t k = i; k < i + 4; ++k)
            value = value * 256 + static_cast<unsigned char>(png.at(k));
        return value;
    };
    return { at(16), at(20) };
}

// The PDF's pages render; each diagram has a landscape page of its own after
// the portrait pages, and every page carries its number.
TEST(QuorinBatchReport, PdfPagesRenderWithOneDiagramAPage)
{
    const ReportModel model;
    const BatchRun report = model.run("report", { "--out", "run.pdf" });
    ASSERT_EQ(report.status, 0) << report.err;
    const std::string folder = model.dir.path();
    const std::string render = std::string(QUORIN_PDFTOPPM) + " -r 20 -png '" + folder
        + "/run.pdf' '" + folder + "/page' && " + QUORIN_PDFTOTEXT + " -layout '" + folder
        + "/run.pdf' '" + folder + "/run.txt'";
    ASSERT_EQ(std::system(render.c_str()), 0) << "poppler-utils (scripts/install-deps.sh)";
    std::vector<std::string> pages;
    std::istringstream text(model.dir.read("run.txt"));
    for (std::string page; std::getline(text, page, '\f');)
        pages.push_back(page);
    ASSERT_GE(pages.size(), 4u);
    for (std::size_t i = 0; i < pages.size(); ++i) {
        const std::string number = std::to_string(i + 1);
        const auto [width, height] = PictureSize(model.dir.read("page-" + number + ".png"));
        const bool diagram = pages[i].find("Scatter diagram, Direction") != std::string::npos;
        EXPECT_EQ(diagram, i + 2 >= pages.size()) << "page " << number;
        EXPECT_EQ(width > height, diagram) << "page " << number;
        EXPECT_NE(pages[i].find("page " + number + " of " + std::to_string(pages.size())),
            std::string::npos);
    }
}

} // namespace
} // namespace quorin::test
