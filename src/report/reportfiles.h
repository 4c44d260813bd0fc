#pragma once

#include "common/clock.h"
#include "common/filelayer.h"
#include "common/gridmodel.h"
#include "report/runreport.h"
#include "run/maininputs.h"
#include "run/runsetup.h"

#include <string>
#include <vector>

namespace quorin {

// The files Create would write with these inputs, or why it would stop: the
// very Create, run into memory (the batch file's overwrite question answered
// Yes). Nothing is written, not even the settings file; the set-up is left as it was.
CreatePreview previewCreate(const MainInputs& inputs, const GridModel& waves, const RunSetup& setup,
    FileLayer& disk, const Clock& clock, char decimalSymbol);

// Names in runs that count up by one: JKT.@F1 to JKT.@F80, then JKT.C70 alone.
std::vector<FileRange> fileRanges(const std::vector<std::string>& names);

} // namespace quorin
