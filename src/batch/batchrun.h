#pragma once

#include "common/clock.h"
#include "common/settingsstore.h"

#include "common/result.h"
#include "report/reportoutput.h"

#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace quorin {

// Runs quorin-batch with the arguments after the program name; returns the
// exit status (0 done, 1 the command stopped, 2 usage error).
// The report command draws through the renderer.
int runBatch(const std::vector<std::string>& args, const SettingsStore& store, const Clock& clock,
    char decimalSymbol, const ReportRenderer& renderer, std::istream& in, std::ostream& out,
    std::ostream& err);

// A command's failure on standard error: its message, or, when a message box
// has said what went wrong, the file it is about.
void tellFailure(const Failure& failure, std::ostream& err);

} // namespace quorin
