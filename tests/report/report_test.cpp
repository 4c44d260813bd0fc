#include "report/makereport.h"
#include "support/scripted.h"
#include "support/tempdir.h"
#include "wavetable/wavegrid.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace quorin {
namespace {

// A model JKT with its wave data and two waves in a fresh folder. That the
// report writes its own file and no other is in the end-to-end report tests.
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

TEST(RunReport, TheRunIsWhatCreateWouldTakeFromTheInputs)
{
    // What changes the inputs, and the values shown by caption ("": not shown).
    const std::tuple<const char*, void (*)(MainInputs&), std::map<std::string, std::string>> cases[]
        = {
              { "defaults", [](MainInputs&) {},
                  { { "Control file", "dynamic with static improvement" },
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
              { "a refused box", [](MainInputs& in) { in.waterDepth = "deep"; },
                  { { "Create would stop",
                        "The box \"Water Depth\" holds \"deep\", which is not a number. Correct it "
                        "and "
                        "make the report again to see the numbers Create derives." },
                      { "Direction angles", "" } } },
          };
    for (const auto& [what, change, shown] : cases) {
        SCOPED_TRACE(what);
        Model model;
        change(model.inputs);
        const RunReport report = model.report();
        for (const auto& [caption, value] : shown) {
            const auto line = std::ranges::find(report.run, caption, &ReportLine::caption);
            EXPECT_EQ(line == report.run.end() ? "" : line->value, value) << caption;
        }
        EXPECT_EQ(report.files.stop.empty(), shown.count("Create would stop") == 0);
    }
}

// Diagrams of directions 1 and 7 as Save writes them (headings of 1, one cell
// not 0), 3 ending before its numbers; 2 and 4 have none. The totals a shown
// diagram gets are in the end-to-end report test.
TEST(RunReport, MissingAndDamagedDiagramsAreSaidSoAndTheReportGoesOn)
{
    Model model;
    std::string diagram = "3\r\n1\r\n10\r\n";
    for (int i = 0; i < 25 + 18 + 450; ++i)
        diagram += i < 43 ? "1 " : i == 43 ? "120 " : "0 ";
    model.dir.write("JKT.DBS1", diagram);
    model.dir.write("JKT.DBS3", "3\r\n1\r\n");
    model.dir.write("JKT.DBS7", diagram);
    const RunReport report = model.report();
    // Each diagram's title, what is wrong with it and whether it has a note to say so.
    std::string diagrams;
    for (const DiagramReport& d : report.diagrams)
        diagrams += d.title + (d.state == DiagramReport::State::Missing ? " missing" : "")
            + (d.state == DiagramReport::State::Damaged ? " damaged" : "")
            + (d.note.empty() ? "" : ", noted") + "\n";
    ASSERT_EQ(diagrams,
        "Direction 1 (0 deg)\nDirection 2 (90 deg) missing, noted\n"
        "Direction 3 (180 deg) damaged, noted\nDirection 4 (270 deg) missing, noted\n"
        "Direction 7, not one of the run's directions\n");
    EXPECT_NE(report.diagrams[2].note.find("Error in data file"), std::string::npos);
    EXPECT_TRUE(report.diagrams[0].cells[0][0].shade.has_value());
}

} // namespace
} // namespace quorin
