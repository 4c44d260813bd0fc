#pragma once

#include "common/clock.h"
#include "common/filelayer.h"
#include "common/gridmodel.h"
#include "report/runreport.h"
#include "run/maininputs.h"
#include "run/runsetup.h"

namespace quorin {

// What a report is made of: the inputs and the wave table as they stand,
// and the run set-up (the model, the wave steepness of the default waves).
struct ReportRun {
    const MainInputs& inputs;
    const GridModel& waves;
    const RunSetup& setup;
};

// The run report as Create would write the run at this moment. It reads the
// scatter diagram files and runs Create into memory; it changes no file and
// nothing of the run.
RunReport makeRunReport(
    const ReportRun& run, FileLayer& disk, const Clock& clock, char decimalSymbol);

} // namespace quorin
