#pragma once

#include "common/clock.h"
#include "run/runsetup.h"
#include "writers/batchwriter.h"

namespace quorin::writers {

// Writes, for every direction and wave, the environmental load data file
// (model stem + ".@F" + wave number) for the wave-loading program, then the
// wave step file (model stem + ".BCWAVF" + wave number) of each. Each file
// finished is counted in done. DirectionCount must already be set.
void writeWaveFiles(FileLayer& files, const RunSetup& setup, double waterDepth, const Clock& clock,
    char decimalSymbol, FilesWritten& done);

} // namespace quorin::writers
