#pragma once

#include "common/gridmodel.h"
#include "run/runsetup.h"
#include "scatter/gridedit.h"
#include "wavetable/defaultwaves.h"
#include "wavetable/wavegrid.h"

namespace quorin {

// The state of one run that outlives the views: the run set-up values, the
// wave table, the default-wave parameters and the scatter diagram store. One
// instance, owned by the application and passed by reference.
struct Session {
    RunSetup setup;
    GridModel waves { kWaveGridRows, kWaveGridCols };
    DefaultWaveParameters defaultWaves;
    GridEdit scatter;
};

} // namespace quorin
