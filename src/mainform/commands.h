#pragma once

#include "common/clock.h"
#include "common/gridmodel.h"
#include "common/prompter.h"
#include "mainform/maininputs.h"
#include "mainform/runsetup.h"

#include <string>

namespace quorin {

// How a Create or Append command ended and the line the view's status line
// (or quorin-batch) reports.
struct CommandOutcome {
    enum class Status {
        Done, // ran to its end; report says what was written
        Stopped, // a question or message stopped it (No to overwrite, no wave data, a refused
                 // field)
        Failed, // a writer could not create or write a file; report names the file and the reason
    };
    Status status = Status::Done;
    std::string report;
};

// The environment a command runs in.
struct CommandContext {
    Prompter& prompter;
    const Clock& clock;
    char decimalSymbol;
};

// Create (cmdCREATE(0)) and Append (cmdCREATE(1)) on the inputs and the wave
// grid as they stand.
CommandOutcome CreateCommand(
    const MainInputs& inputs, const GridModel& waves, RunSetup& setup, CommandContext context);
CommandOutcome AppendCommand(
    const MainInputs& inputs, const GridModel& waves, RunSetup& setup, CommandContext context);

} // namespace quorin
