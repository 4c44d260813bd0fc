#pragma once

#include "batch/scatteroptions.h"
#include "common/prompter.h"
#include "mainform/session.h"

#include <ostream>

namespace quorin {

// `quorin-batch scatter` on the session's store and the scatter diagram
// editor's code: without --import, Open, then the grid (rows 0 to 25, cells
// joined by TAB) and the totals line on out; with --import FILE, a fresh
// editor whose body takes FILE's text as Paste gives it, then Save. Messages
// go through the prompter. Returns the exit status: 0 done, 1 stopped (the
// message said why), 2 the file to import cannot be read.
int runScatter(const ScatterOptions& options, Session& session, Prompter& prompter,
    FileLayer& files, char decimalSymbol, std::ostream& out, std::ostream& err);

} // namespace quorin
