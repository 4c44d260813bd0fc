#include "mainform/clickrules.h"

#include "common/numberforms.h"

#include <string>

namespace quorin {

void ClickStaticOnly(MainInputs& inputs, RunSetup& setup, bool checked)
{
    inputs.staticOnly = checked;
    if (checked) {
        inputs.frequencyCase = "-";
        ClickExcludeStaticImprovement(inputs, setup, false);
    } else {
        inputs.frequencyCase = "50";
    }
}

void ClickExcludeStaticImprovement(MainInputs& inputs, RunSetup& setup, bool checked)
{
    inputs.excludeStaticImprovement = checked;
    setup.ExcludeStaticImprovement = checked ? 1 : 0;
}

void ClickSpectrum(MainInputs& inputs, RunSetup& setup, int index)
{
    inputs.spectrum = index;
    setup.SpectrumType = plainForm(index, Precision::Double);
}

} // namespace quorin
