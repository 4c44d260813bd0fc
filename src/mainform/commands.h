#pragma once

#include "common/clock.h"
#include "common/filelayer.h"
#include "common/gridmodel.h"
#include "common/prompter.h"
#include "common/result.h"
#include "run/maininputs.h"
#include "run/runsetup.h"

#include <string>

namespace quorin {

// The environment a command runs in.
struct CommandContext {
    Prompter& prompter;
    FileLayer& files;
    const Clock& clock;
    char decimalSymbol;
};

// Create (cmdCREATE(0)) and Append (cmdCREATE(1)) on the inputs and the wave
// grid as they stand. They give the line that says what was written, or the
// failure: the overwrite question answered No, a refused box or missing wave
// data (told in a message box first: the failure's message is then empty), or
// a file that could not be written (named, with the reason).
Result<std::string> createCommand(
    const MainInputs& inputs, const GridModel& waves, RunSetup& setup, CommandContext context);
Result<std::string> appendCommand(
    const MainInputs& inputs, const GridModel& waves, RunSetup& setup, CommandContext context);

// The waves Create and Append take: the rows whose height reads as a number
// above 0, wherever they stand, at most 100.
int countWaves(const GridModel& waves);

} // namespace quorin
