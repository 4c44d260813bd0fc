#include "e2e/batchrunner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <iterator>
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

// The numbers of a text, in order, read by hand: GCC 12's <regex> is not
// warning-free under the sanitizers' build.
std::vector<double> Numbers(std::string text)
{
    std::ranges::replace_if(
        text, [](char ch) { return !std::isdigit(static_cast<unsigned char>(ch)) && ch != '.'; },
        ' ');
    std::istringstream numbers(text);
    return { std::istream_iterator<double>(numbers), {} };
}

// The line of a file that starts with the prefix.
std::string LineOf(const std::string& text, const std::string& prefix)
{
    const std::size_t start = text.find("\r\n" + prefix) + 2;
    return text.substr(start, text.find("\r\n", start) - start);
}

// A run of 4 directions and 20 waves with the diagrams of directions 1 and 3.
// The report's numbers are those of the files Create then writes and of the
// diagram files; made before Create, it writes its own file and no other.
TEST(QuorinBatchReport, ItsNumbersAreThoseOfTheRunAndTheDiagramsInHtmlAndPdf)
{
    const TempDir dir;
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
    const auto run = [&dir](std::vector<std::string> args) {
        args.insert(args.end(), { "--model", "JKT", "--waves", "waves.txt" });
        return RunQuorinBatch(dir, args);
    };
    const auto given = FileNames(dir);
    const BatchRun report = run({ "report", "--out", "run.html" });
    ASSERT_EQ(report.status, 0) << report.err;
    EXPECT_EQ(report.out, "Wrote the run report run.html\n");
    EXPECT_EQ(FileNames(dir).size(), given.size() + 1) << "the report and no other file";
    ASSERT_EQ(run({ "create" }).status, 0);
    const std::string html = dir.read("run.html");

    const Table wavesShown = TableAfter(html, "Transfer-function waves");
    ASSERT_EQ(wavesShown.size(), 21u);
    const std::vector<double> angles = Numbers(TableAfter(html, "The run Create")[1][1]);
    ASSERT_EQ(angles.size(), 4u);
    for (std::size_t d = 0; d < 4; ++d)
        for (std::size_t w = 1; w <= 20; ++w) {
            const std::string file = "JKT.@F" + std::to_string(d * 20 + w);
            const auto& shown = wavesShown[w];
            EXPECT_EQ(Numbers(LineOf(dir.read(file), "WAVE,")),
                std::vector({ std::stod(shown[1]), std::stod(shown[2]), angles[d] }))
                << file;
        }

    // Each row lists the first of its names and how many count up from it.
    std::set<std::string> listed, written;
    const Table files = TableAfter(html, "Files Create would write");
    for (std::size_t r = 1; r < files.size(); ++r) {
        const std::string& first = files[r][0];
        const std::string stem = first.substr(0, first.find_last_not_of("0123456789") + 1);
        for (int k = 0; k < std::stoi(files[r][2]); ++k)
            listed.insert(
                k == 0 ? first : stem + std::to_string(std::stoi(first.substr(stem.size())) + k));
    }
    std::ranges::set_difference(FileNames(dir), given, std::inserter(written, written.end()));
    written.erase("run.html");
    EXPECT_EQ(listed, written);

    for (const std::string direction : { "1", "3" }) {
        SCOPED_TRACE("direction " + direction);
        const std::string heading = "Scatter diagram, Direction " + direction + " (";
        const Table diagram = TableAfter(html, heading, "<table class=\"diagram\"");
        ASSERT_EQ(diagram.size(), 27u);
        const std::vector<double> cells = Numbers(LineOf(dir.read("JKT.DBS" + direction), " "));
        ASSERT_EQ(cells.size(), 450u);
        // The row totals in column 19, the column totals and the whole in row 26.
        std::vector<std::vector<double>> totals(27, std::vector<double>(20));
        for (std::size_t i = 0; i < cells.size(); ++i)
            for (double* sum :
                { &totals[i / 18 + 1][19], &totals[26][i % 18 + 1], &totals[26][19] })
                *sum += cells[i];
        for (std::size_t r = 1; r <= 26; ++r)
            for (std::size_t c = r == 26 ? 1 : 19; c <= 19; ++c)
                EXPECT_DOUBLE_EQ(
                    diagram[r][c].empty() ? 0.0 : std::stod(diagram[r][c]), totals[r][c])
                    << "row " << r << ", column " << c;

        // Total and cycles per year as the scatter diagram editor shows them.
        const BatchRun open = RunQuorinBatch(dir, { "scatter", direction, "--model", "JKT" });
        const Table facts = TableAfter(html, heading);
        EXPECT_EQ(Numbers(open.out.substr(open.out.rfind("Total :"))),
            std::vector({ std::stod(facts[1][3]), std::stod(facts[1][4]) }));
    }

    // The PDF's pages render; each diagram has a landscape page of its own
    // after the portrait pages, and every page carries its number.
    ASSERT_EQ(run({ "report", "--out", "run.pdf" }).status, 0);
    const std::string pdf = " '" + dir.file("run.pdf") + "' '" + dir.path();
    const std::string render = std::string(QUORIN_PDFTOPPM) + " -r 20 -png" + pdf + "/page' && "
        + QUORIN_PDFTOTEXT + " -layout" + pdf + "/run.txt'";
    ASSERT_EQ(std::system(render.c_str()), 0) << "poppler-utils (scripts/install-deps.sh)";
    std::vector<std::string> pages;
    std::istringstream text(dir.read("run.txt"));
    for (std::string page; std::getline(text, page, '\f');)
        pages.push_back(page);
    ASSERT_GE(pages.size(), 4u);
    for (std::size_t i = 0; i < pages.size(); ++i) {
        const std::string number = std::to_string(i + 1);
        // A PNG holds its width and height as 4-byte big-endian numbers at
        // bytes 16 and 20, which compare as the strings of their bytes do.
        const std::string png = dir.read("page-" + number + ".png");
        const bool diagram = pages[i].contains("Scatter diagram, Direction");
        EXPECT_EQ(diagram, i + 2 >= pages.size()) << "page " << number;
        EXPECT_EQ(png.substr(16, 4) > png.substr(20, 4), diagram) << "page " << number;
        EXPECT_TRUE(pages[i].contains("page " + number + " of " + std::to_string(pages.size())));
    }
}

} // namespace
} // namespace quorin::test
