#include "mainform/commandchecks.h"

#include "common/numberreading.h"
#include "run/inputtable.h"

namespace quorin {

namespace {

// Checks shared by both commands; the thickness is that of the active frame.
Result<void> checkCommon(
    const MainInputs& in, std::string_view thicknessBox, const std::string& thickness, char decimal)
{
    if (!toInt16Strict(in.selectiveOutputId, decimal))
        return std::unexpected(refuseBox(
            "txtSTART(3)", in.selectiveOutputId, "is not a whole number from -32768 to 32767"));
    if (!toDoubleStrict(in.startDirection, decimal))
        return std::unexpected(refuseBox("txtSTARTDIR", in.startDirection, "is not a number"));
    if (!toDoubleStrict(in.waterDepth, decimal))
        return std::unexpected(refuseBox("txtDEPTH", in.waterDepth, "is not a number"));
    if (!toSingleStrict(thickness, decimal))
        return std::unexpected(refuseBox(thicknessBox, thickness, "is not a number"));
    return {};
}

} // namespace

Result<RunNumbers> checkCreateInputs(const MainInputs& in, int waves, int directions, char decimal)
{
    if (auto common = checkCommon(in, "Text1(2)", in.global.thickness, decimal); !common)
        return std::unexpected(common.error());
    return deriveRunNumbers(
        { in.waveSteps, in.loadCaseStart, in.waterDepth, in.frequencyCase != "-", in.globalOutputId,
            in.global.jointBoxes(), waves, directions },
        decimal);
}

Result<void> checkAppendInputs(const MainInputs& in, char decimal)
{
    if (auto common = checkCommon(in, "Text1(1)", in.selective.thickness, decimal); !common)
        return common;
    return checkSelectiveOutputIds(in.selectiveOutputId,
        *toInt16Strict(in.selectiveOutputId, decimal), in.selective.jointBoxes());
}

} // namespace quorin
