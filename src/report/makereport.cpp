#include "report/makereport.h"

#include "mainform/commands.h"
#include "report/reportdiagrams.h"
#include "report/reportfiles.h"
#include "report/reportinputs.h"
#include "report/reportwaves.h"
#include "run/directions.h"
#include "wavetable/chartkey.h"

#include "quorin_version.h"

#include <filesystem>

namespace quorin {

RunReport makeRunReport(const ReportRun& run, FileLayer& disk, const Clock& clock, char decimal)
{
    const RunSetup& setup = run.setup;
    const std::string model = std::filesystem::path(setup.ModelName).filename().string();
    RunReport report;
    report.title = model.empty() ? "Run report without a model" : "Run report of " + model;
    report.made = "Made on " + clock.shortDate() + " at " + clock.timeOfDay()
        + " by Quorin " QUORIN_VERSION;
    report.inputs = reportInputs(run.inputs);
    report.run = reportRun(run.inputs, run.waves, setup, decimal);
    report.waves = reportWaves(run.waves, decimal);
    report.chart = waveChart(run.waves, countWaves(run.waves), setup.WaveSteepness);
    report.steepnessName = chartkey::steepnessName(setup.WaveSteepness, decimal);
    report.chartSummary = chartSummary(report.chart);
    report.diagrams = reportDiagrams(setup.ModelName,
        directionCountFor(run.inputs.directionOption, setup.NoOfDirections),
        directionAngles(run.inputs, setup, decimal), disk, decimal);
    report.files = previewCreate(run.inputs, run.waves, setup, disk, clock, decimal);
    return report;
}

} // namespace quorin
