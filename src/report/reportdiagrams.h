#pragma once

#include "common/filelayer.h"
#include "report/runreport.h"

#include <string>
#include <vector>

namespace quorin {

// The scatter diagram of each direction 1 to 12 whose file exists, read as
// the scatter diagram editor's Open reads it, and of each direction of the
// run whose file is missing, said to be so. A file that cannot be read is
// said to be damaged. angles: the run's direction angles as shown, when known.
std::vector<DiagramReport> reportDiagrams(const std::string& modelName, int directions,
    const std::vector<std::string>& angles, FileLayer& files, char decimalSymbol);

} // namespace quorin
