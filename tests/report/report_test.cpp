#include "report/makereport.h"
#include "report/reportfiles.h"
#include "report/reportoutput.h"
#include "support/scripted.h"
#include "support/tempdir.h"
#include "wavetable/wavegrid.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>

namespace quorin {
namespace {

namespace fs = std::filesystem;

// A model JKT with its wave data and two waves in a fresh folder.
struct Model {
    test::TempDir dir;
    DiskFiles disk;
    test::FixedClock clock;
    MainInputs inputs;
    RunSetup setup;
    GridModel waves { kWaveGridRows, kWaveGridCols };

    Model()
    {
        dir.write("JKT.WAV", "");
        setup.ModelName = dir.file("JKT");
        setup.WaveSteepness = 22;
        inputs.batchFile = dir.file("JKT.BRSF");
        GridSetUp(waves);
        waves.setSelectionEnd(2, 3);
        waves.setRangeText("9.5\t12\t2\r1.25\t4.5\t1");
    }
    RunReport report() { return makeRunReport({ inputs, waves, setup }, disk, clock, '.'); }
};

const ReportLine* lineOf(const std::vector<ReportLine>& lines, std::string_view caption)
{
    const auto found = std::ranges::find(lines, caption, &ReportLine::caption);
    return found == lines.end() ? nullptr : &*found;
}

TEST(RunReport, TheRunIsWhatCreateWouldTakeFromTheInputs)
{
    struct Case {
        const char* what;
        std::function<void(MainInputs&)> change;
        std::map<std::string, std::string> shown; // caption -> value; "" not shown
    } const cases[] = {
        { "defaults", [](MainInputs&) {},
            { { "Control file", "dynamic with static improvement" },
                { "Direction angles", "0, 90, 180, 270" },
                { "Wave numbers", "1 to 8 (2 waves in 4 directions)" },
                { "Static load cases", "70 to 81" },
                { "Wave-frequency combination", "90, cases 91 to 102" },
                { "Zero-frequency combination", "110, cases 111 to 122" } } },
        { "static only, 25 steps",
            [](MainInputs& in) {
                in.frequencyCase = "-";
                in.waveSteps = "25";
            },
            { { "Control file", "static only" }, { "Static load cases", "70 to 94" },
                { "Wave-frequency combination", "" } } },
        { "4 Sym from 10 degrees, no static improvement",
            [](MainInputs& in) {
                in.directionOption = 4;
                in.startDirection = "10";
                in.excludeStaticImprovement = true;
            },
            { { "Control file", "dynamic without static improvement" },
                { "Direction angles", "10, 55, 100, 145" } } },
        { "a refused box", [](MainInputs& in) { in.waterDepth = "deep"; },
            { { "Create would stop",
                  "The box \"Water Depth\" holds \"deep\", which is not a number. Correct it and "
                  "make the report again to see the numbers Create derives." },
                { "Direction angles", "" } } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Model model;
        c.change(model.inputs);
        const RunReport report = model.report();
        for (const auto& [caption, value] : c.shown) {
            const ReportLine* line = lineOf(report.run, caption);
            EXPECT_EQ(line ? line->value : "", value) << caption;
        }
        EXPECT_EQ(report.files.stop.empty(), c.shown.count("Create would stop") == 0);
    }
}

// The diagram file of one direction, as Save writes it: every cell 0 but
// the one in row 25, column 8 (period 7.5).
std::string diagramFile(const std::string& cell)
{
    std::string text = "3\r\n1\r\n10\r\n";
    for (int r = 1; r <= 25; ++r)
        text += std::to_string(12.75 - 0.5 * r) + " ";
    text += "\r\n";
    for (int c = 1; c <= 18; ++c)
        text += std::to_string(c - 0.5) + " ";
    text += "\r\n";
    for (int i = 0; i < 450; ++i)
        text += i == 24 * 18 + 7 ? " " + cell + " " : " 0 ";
    return text + "\r\n";
}

TEST(RunReport, MissingAndDamagedDiagramsAreSaidSoAndTheReportGoesOn)
{
    Model model;
    model.dir.write("JKT.DBS1", diagramFile("120"));
    model.dir.write("JKT.DBS3", "3\r\n1\r\n"); // ends before its numbers
    model.dir.write("JKT.DBS7", diagramFile("5"));
    const std::vector<std::tuple<int, DiagramReport::State, std::string>> expected {
        { 1, DiagramReport::State::Shown, "Direction 1 (0 deg)" },
        { 2, DiagramReport::State::Missing, "Direction 2 (90 deg)" },
        { 3, DiagramReport::State::Damaged, "Direction 3 (180 deg)" },
        { 4, DiagramReport::State::Missing, "Direction 4 (270 deg)" },
        { 7, DiagramReport::State::Shown, "Direction 7, not one of the run's directions" },
    };
    const RunReport report = model.report();
    ASSERT_EQ(report.diagrams.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const DiagramReport& diagram = report.diagrams[i];
        EXPECT_EQ(std::tuple(diagram.direction, diagram.state, diagram.title), expected[i]);
        EXPECT_EQ(diagram.note.empty(), diagram.state == DiagramReport::State::Shown);
    }
    EXPECT_NE(report.diagrams[2].note.find("Error in data file"), std::string::npos);
    const DiagramReport& first = report.diagrams[0];
    EXPECT_EQ(std::tuple(first.rowTotals[24], first.columnTotals[7], first.cellTotal),
        std::tuple("120", "120", "120"));
    EXPECT_TRUE(first.cells[24][7].shade.has_value());
}

// The names of a run (@F1 to @F80 and the files of their own) are listed as
// the end-to-end report test reads them back; these are the gaps and repeats.
TEST(RunReport, FileNamesThatCountUpAreListedAsRanges)
{
    const std::vector<std::pair<std::vector<std::string>, std::vector<FileRange>>> cases {
        { { "A1", "B2", "B4", "B5" }, { { "A1", "A1", 1 }, { "B2", "B2", 1 }, { "B4", "B5", 2 } } },
        { { "X", "X", "9", "10" }, { { "X", "X", 1 }, { "X", "X", 1 }, { "9", "10", 2 } } },
    };
    for (const auto& [names, ranges] : cases) {
        const auto got = fileRanges(names);
        ASSERT_EQ(got.size(), ranges.size()) << names.front();
        for (std::size_t i = 0; i < got.size(); ++i)
            EXPECT_EQ(std::tuple(got[i].first, got[i].last, got[i].count),
                std::tuple(ranges[i].first, ranges[i].last, ranges[i].count));
    }
}

class TextRenderer final : public ReportRenderer {
public:
    Result<std::string> render(const RunReport& report, ReportFormat format) const override
    {
        return (format == ReportFormat::Pdf ? "PDF " : "HTML ") + report.title;
    }
};

std::map<std::string, std::pair<std::string, fs::file_time_type>> snapshot(const test::TempDir& dir)
{
    std::map<std::string, std::pair<std::string, fs::file_time_type>> files;
    for (const auto& entry : fs::directory_iterator(dir.path())) {
        const std::string name = entry.path().filename().string();
        files[name] = { dir.read(name), fs::last_write_time(entry.path()) };
    }
    return files;
}

// Whatever comes of it, a report leaves every file of the run as it was; only
// the report file itself is written, whole. That .pdf makes a PDF and a folder
// that cannot be written is said so are in the end-to-end report tests.
TEST(RunReport, WritesTheReportFileAndNoOther)
{
    struct Case {
        const char* out;
        const char* batchFile;
        const char* outcome; // the start of the message
        const char* written; // the report file's bytes; nullptr: none
    } const cases[] = {
        { "old.HTML", "JKT.BRSF", "Wrote the run report ", "HTML Run report of JKT" },
        { "JKT-report.txt", "JKT.BRSF", "The report file ", nullptr },
        { "run.html", "run.html", "The report file ", nullptr },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.out);
        Model model;
        model.inputs.batchFile = model.dir.file(c.batchFile);
        model.dir.write(c.batchFile, "the old control file");
        model.dir.write("JKT.DFS", "old settings");
        model.dir.write("old.HTML", "an old report");
        const auto before = snapshot(model.dir);
        const auto outcome
            = writeReport(model.report(), model.dir.file(c.out), TextRenderer(), model.disk);
        const std::string message = outcome ? *outcome : outcome.error().message;
        EXPECT_TRUE(message.starts_with(c.outcome)) << message;
        auto after = snapshot(model.dir);
        if (c.written) {
            EXPECT_EQ(after[c.out].first, c.written);
        }
        after.erase(c.written ? c.out : "");
        auto unchanged = before;
        unchanged.erase(c.written ? c.out : "");
        EXPECT_EQ(after, unchanged);
    }
}

} // namespace
} // namespace quorin
