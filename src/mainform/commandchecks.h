#pragma once

#include "common/result.h"
#include "run/maininputs.h"
#include "run/runnumbers.h"

namespace quorin {

// The checks Create and Append make before anything is written: every text
// they will convert strictly, and every number the writers will derive from
// them, must fit. The failure names the first box refused. Create's check
// takes the counts its writer will see: the waves and the directions.
Result<RunNumbers> checkCreateInputs(
    const MainInputs& inputs, int waves, int directions, char decimalSymbol);
Result<void> checkAppendInputs(const MainInputs& inputs, char decimalSymbol);

} // namespace quorin
