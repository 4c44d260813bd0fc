#pragma once

#include "common/gridmodel.h"
#include "report/runreport.h"
#include "run/maininputs.h"
#include "run/runsetup.h"

#include <string>
#include <vector>

namespace quorin {

// Every input of the main view with its caption, its value as it stands and
// its unit, by frame; the wave table has a section of its own.
std::vector<InputGroup> reportInputs(const MainInputs& inputs);

// The angle of each direction Create writes, in degrees; none when "Start
// Direction (Deg)" is not a number.
std::vector<std::string> directionAngles(
    const MainInputs& inputs, const RunSetup& setup, char decimalSymbol);

// What Create derives from the inputs: the kind of control file, the
// directions and their angles, the wave numbers and the load cases. A number
// Create would refuse is said in place of what depends on it.
std::vector<ReportLine> reportRun(
    const MainInputs& inputs, const GridModel& waves, const RunSetup& setup, char decimalSymbol);

} // namespace quorin
