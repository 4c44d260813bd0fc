#include "mainform/commandchecks.h"

#include "common/numberreading.h"
#include "mainform/commands.h"
#include "mainform/controlfilekind.h"
#include "run/inputtable.h"

#include <cmath>
#include <string>

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

// The cells of the rows a command takes become single-precision numbers.
Result<void> checkWaveCells(const GridModel& waves)
{
    const int taken = countWaves(waves);
    for (int r = 1; r <= taken; ++r)
        for (int c = 1; c <= 3; ++c) {
            const std::string& text = waves.text(r, c);
            if (std::isfinite(toSingle(readLenient(text))))
                continue;
            return fail("The cell in row " + std::to_string(r) + ", column \"" + waves.text(0, c)
                    + "\" of the wave table holds \"" + shortened(text)
                    + "\", which is beyond the range of numbers.\rCorrect it and try again; no "
                      "file was written.",
                {}, "Grid2");
        }
    return {};
}

} // namespace

Result<RunNumbers> checkCreateInputs(
    const MainInputs& in, const GridModel& waves, int directions, char decimal)
{
    if (auto common = checkCommon(in, "Text1(2)", in.global.thickness, decimal); !common)
        return std::unexpected(common.error());
    if (auto cells = checkWaveCells(waves); !cells)
        return std::unexpected(cells.error());
    return deriveRunNumbers(
        { in.waveSteps, in.loadCaseStart, in.waterDepth, in.damping,
            controlFileKind(in.frequencyCase, in.excludeStaticImprovement)
                != ControlFileKind::StaticOnly,
            in.globalOutputId, in.global.jointBoxes(), countWaves(waves), directions },
        decimal);
}

Result<void> checkAppendInputs(const MainInputs& in, const GridModel& waves, char decimal)
{
    if (auto common = checkCommon(in, "Text1(1)", in.selective.thickness, decimal); !common)
        return common;
    if (auto cells = checkWaveCells(waves); !cells)
        return cells;
    return checkSelectiveOutputIds(in.selectiveOutputId,
        *toInt16Strict(in.selectiveOutputId, decimal), in.selective.jointBoxes());
}

} // namespace quorin
