#pragma once

#include "common/clock.h"
#include "run/runsetup.h"
#include "writers/batchwriter.h"

#include <string_view>

namespace quorin::writers {

// Writes, for every direction and wave, the environmental load data file
// (model stem + ".@F" + wave number) for the wave-loading program, then the
// wave step file (model stem + ".BCWAVF" + wave number) of each. Each file
// finished is counted in done. DirectionCount must already be set.
void writeWaveFiles(FileLayer& files, const RunSetup& setup, double waterDepth, const Clock& clock,
    char decimalSymbol, FilesWritten& done);

// Whether two lines of the file at path differ only in the date and time of
// the run: both are the date and time line of a load data file.
bool onlyRunTimeDiffers(std::string_view path, std::string_view a, std::string_view b);

} // namespace quorin::writers
