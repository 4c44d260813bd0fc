// Times the run report of 12 directions of 100 waves with the scatter
// diagrams of all 12 directions, from the inputs to the file written, as a
// PDF and as a web page, against the goal of one second; first in a model
// folder without the run's files, then after a Create has written its 2,400
// wave files (which the report's Create in memory reads). The report's
// content and its drawing are timed apart.
//
//   QT_QPA_PLATFORM=offscreen build/benchmarks/report_benchmark [repeats]

#include "benchplatform.h"
#include "mainform/commands.h"
#include "report/makereport.h"
#include "report/qt/qtreportrenderer.h"

#include <QGuiApplication>

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

double Seconds(Clock::time_point since)
{
    return std::chrono::duration<double>(Clock::now() - since).count();
}

// A diagram whose cells are all occupied, each with a number of its own.
void WriteDiagram(const fs::path& file, int direction)
{
    std::ofstream out(file, std::ios::binary);
    out << "3\r\n1\r\n10\r\n";
    for (int r = 1; r <= 25; ++r)
        out << 12.75 - 0.5 * r << ' ';
    out << "\r\n";
    for (int c = 1; c <= 18; ++c)
        out << c - 0.5 << ' ';
    out << "\r\n";
    for (int i = 0; i < 450; ++i)
        out << ' ' << (i * 37 + direction * 11) % 997 / 10.0 << ' ';
    out << "\r\n";
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    const int repeats = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    const fs::path model
        = fs::temp_directory_path() / ("quorin-report-" + std::to_string(::getpid()));
    fs::create_directories(model);
    std::ofstream(model / "JKT.WAV").close();
    for (int d = 1; d <= 12; ++d)
        WriteDiagram(model / ("JKT.DBS" + std::to_string(d)), d);

    const quorin::GridModel waves = bench::HundredWaves();
    quorin::MainInputs inputs;
    inputs.directionOption = 7; // 12
    inputs.batchFile = (model / "JKT.BRSF").string();
    quorin::RunSetup setup;
    setup.ModelName = (model / "JKT").string();
    setup.WaveSteepness = 22;
    quorin::DiskFiles disk;
    bench::FixedClock clock;
    const quorin::QtReportRenderer renderer;

    bool met = true;
    for (const char* folder : { "without the run's files", "after a Create" }) {
        if (folder[0] == 'a') {
            bench::YesPrompter prompter;
            quorin::RunSetup created = setup;
            if (!quorin::createCommand(inputs, waves, created, { prompter, disk, clock, '.' }))
                return 1;
        }
        std::vector<double> content, pdf, html;
        std::size_t pdfBytes = 0, htmlBytes = 0;
        for (int i = 0; i < repeats; ++i) {
            auto start = Clock::now();
            const quorin::RunReport report
                = quorin::makeRunReport({ inputs, waves, setup }, disk, clock, '.');
            content.push_back(Seconds(start));
            for (auto [format, name, times, bytes] :
                { std::tuple(quorin::ReportFormat::Pdf, "run.pdf", &pdf, &pdfBytes),
                    std::tuple(quorin::ReportFormat::Html, "run.html", &html, &htmlBytes) }) {
                start = Clock::now();
                const auto written
                    = quorin::writeReport(report, (model / name).string(), renderer, disk);
                times->push_back(Seconds(start));
                if (!written) {
                    std::fprintf(stderr, "%s\n", written.error().message.c_str());
                    return 1;
                }
                *bytes = fs::file_size(model / name);
            }
        }
        const double pdfTotal = bench::Median(content) + bench::Median(pdf);
        const double htmlTotal = bench::Median(content) + bench::Median(html);
        std::printf("%s (median of %d):\n  content %.1f ms\n  PDF  %.1f ms drawn and written, "
                    "%zu bytes: %.1f ms in all\n  HTML %.1f ms drawn and written, %zu bytes: "
                    "%.1f ms in all\n",
            folder, repeats, bench::Median(content) * 1e3, bench::Median(pdf) * 1e3, pdfBytes,
            pdfTotal * 1e3, bench::Median(html) * 1e3, htmlBytes, htmlTotal * 1e3);
        met = met && pdfTotal < 1 && htmlTotal < 1;
    }
    std::printf("goal, each report under 1 s: %s\n", met ? "met" : "NOT MET");
    fs::remove_all(model);
    return met ? 0 : 1;
}
