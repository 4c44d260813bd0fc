#pragma once

#include "common/linewriter.h"
#include "run/runsetup.h"
#include "writers/batchwriter.h"

#include <cstdint>

namespace quorin::writers {

// The global assessment section that ends every control file: the end of the
// solution phase, the assessment over all waves of the joints asked for in
// "Global Assessments" and the combination of all directions, numbered from
// the first global output id.
void writeGlobalAssessments(LineWriter& out, const RunSetup& setup, const FormTexts& form,
    std::int32_t firstOutputId, char decimalSymbol);

// The selective assessment of one group, from "Selective Assessments":
// comment lines framed by rules, the assessment lines and the combination of
// all directions. OutputIdStart is left past the ids used.
void writeSelectiveAssessment(
    LineWriter& out, RunSetup& setup, const FormTexts& form, char decimalSymbol);

} // namespace quorin::writers
