#pragma once

#include "common/linewriter.h"
#include "mainform/maininputs.h"
#include "mainform/runsetup.h"

namespace quorin::writers {

// The global assessment section that ends every control file: the end of the
// solution phase, the assessment over all waves of the joints asked for in
// "Global Assessments" and the combination of all directions.
void writeGlobalAssessments(
    LineWriter& out, const RunSetup& setup, const MainInputs& form, char decimalSymbol);

// The selective assessment of one group, from "Selective Assessments":
// comment lines framed by rules, the assessment lines and the combination of
// all directions. OutputIdStart is left past the ids used.
void writeSelectiveAssessment(
    LineWriter& out, RunSetup& setup, const MainInputs& form, char decimalSymbol);

} // namespace quorin::writers
