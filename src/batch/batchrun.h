#pragma once

#include "common/clock.h"
#include "common/settingsstore.h"

#include <ostream>
#include <string>
#include <vector>

namespace quorin {

// Runs quorin-batch with the arguments after the program name; returns the
// exit status (0 done, 1 the command stopped, 2 usage error).
int runBatch(const std::vector<std::string>& args, const SettingsStore& store, const Clock& clock,
    char decimalSymbol, std::ostream& out, std::ostream& err);

} // namespace quorin
