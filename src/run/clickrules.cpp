#include "run/clickrules.h"

#include "common/numberforms.h"

#include <string>

namespace quorin {

void clickStaticOnly(MainInputs& inputs, RunSetup& setup, bool checked)
{
    inputs.staticOnly = checked;
    if (checked) {
        inputs.frequencyCase = "-";
        clickExcludeStaticImprovement(inputs, setup, false);
    } else {
        inputs.frequencyCase = "50";
    }
}

void clickExcludeStaticImprovement(MainInputs& inputs, RunSetup& setup, bool checked)
{
    inputs.excludeStaticImprovement = checked;
    setup.ExcludeStaticImprovement = checked ? 1 : 0;
}

void clickSpectrum(MainInputs& inputs, RunSetup& setup, int index)
{
    inputs.spectrum = index;
    setup.SpectrumType = plainForm(index, Precision::Double);
}

} // namespace quorin
