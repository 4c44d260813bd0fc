#pragma once

#include "mainform/maininputs.h"
#include "mainform/runsetup.h"

namespace quorin {

// "Static Only" clicked to checked or unchecked: checked sets the frequency
// case to "-" and clears "Exclude Static Improvement"; unchecked sets the
// frequency case to "50", whatever it held.
void ClickStaticOnly(MainInputs& inputs, RunSetup& setup, bool checked);
// "Exclude Static Improvement" clicked: ExcludeStaticImprovement follows it.
void ClickExcludeStaticImprovement(MainInputs& inputs, RunSetup& setup, bool checked);
// A spectrum option (1 to 3) clicked: SpectrumType becomes its index as text.
void ClickSpectrum(MainInputs& inputs, RunSetup& setup, int index);

} // namespace quorin
