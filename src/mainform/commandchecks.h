#pragma once

#include "common/gridmodel.h"
#include "common/result.h"
#include "run/maininputs.h"
#include "run/runnumbers.h"

namespace quorin {

// The checks Create and Append make before anything is written: every text
// they will convert strictly, and every number the writers will derive from
// them, must fit, and so must every cell of the wave rows they take. The
// failure names the first box refused. Create's check also takes the number
// of directions its writer will write.
Result<RunNumbers> checkCreateInputs(
    const MainInputs& inputs, const GridModel& waves, int directions, char decimalSymbol);
Result<void> checkAppendInputs(
    const MainInputs& inputs, const GridModel& waves, char decimalSymbol);

} // namespace quorin
