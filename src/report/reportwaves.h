#pragma once

#include "common/gridmodel.h"
#include "report/runreport.h"

#include <vector>

namespace quorin {

// The waves Create takes (rows 1 to the wave count), each as the single-precision
// numbers the load data files hold, with its circular frequency, deep-water
// wavelength and steepness.
std::vector<WaveLine> reportWaves(const GridModel& waves, char decimalSymbol);

} // namespace quorin
