#pragma once

#include "run/maininputs.h"
#include "run/runsetup.h"

namespace quorin {

// "Static Only" clicked to checked or unchecked: checked sets the frequency
// case to "-" and clears "Exclude Static Improvement"; unchecked sets the
// frequency case to "50", whatever it held.
void clickStaticOnly(MainInputs& inputs, RunSetup& setup, bool checked);
// "Exclude Static Improvement" clicked: ExcludeStaticImprovement follows it.
void clickExcludeStaticImprovement(MainInputs& inputs, RunSetup& setup, bool checked);
// A spectrum option (1 to 3) clicked: SpectrumType becomes its index as text.
void clickSpectrum(MainInputs& inputs, RunSetup& setup, int index);

} // namespace quorin
