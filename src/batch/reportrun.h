#pragma once

#include "common/clock.h"
#include "common/filelayer.h"
#include "mainform/session.h"
#include "report/reportoutput.h"
#include "run/maininputs.h"

#include <ostream>
#include <string>

namespace quorin {

// quorin-batch report: the run report of the inputs, written to the file;
// returns the exit status (0 written, 1 the file could not be written).
int runReport(const std::string& path, const MainInputs& inputs, const Session& session,
    FileLayer& files, const Clock& clock, char decimalSymbol, const ReportRenderer& renderer,
    std::ostream& out, std::ostream& err);

} // namespace quorin
