#include "run/runnumbers.h"

#include "common/numberforms.h"
#include "common/numberreading.h"
#include "run/inputtable.h"

#include <cmath>
#include <limits>

namespace quorin {

namespace {

bool fitsInt16(double value)
{
    return value >= std::numeric_limits<std::int16_t>::min()
        && value <= std::numeric_limits<std::int16_t>::max();
}

bool fitsInt32(double value)
{
    return value >= std::numeric_limits<std::int32_t>::min()
        && value <= std::numeric_limits<std::int32_t>::max();
}

// A combination and the cases after it, X + 1 to X + steps, all in range.
bool combinationFits(std::int16_t base, std::int16_t steps)
{
    return fitsInt16(base + 1.0) && fitsInt16(static_cast<double>(base) + steps);
}

} // namespace

Result<RunNumbers> deriveRunNumbers(const RunTexts& in, char decimal)
{
    RunNumbers n;
    const auto start = toDoubleStrict(in.loadCaseStart, decimal);
    if (!start)
        return std::unexpected(refuseBox("txtSTART(0)", in.loadCaseStart, "is not a number"));
    n.loadCaseStart = *start;

    const double steps = readLenient(in.waveSteps);
    const auto stepCount = roundToInt16(steps);
    if (!stepCount)
        return std::unexpected(refuseBox(
            "txtWAVESTEP", in.waveSteps, "is beyond the largest number of wave steps, 32767"));
    n.StepCount = *stepCount;
    n.CaseOffset = steps > 20 ? 30 : 20;
    n.StaticLast = n.loadCaseStart + n.StepCount - 1;

    const double lenientStart = readLenient(in.loadCaseStart);
    const auto firstCase = roundToInt16(lenientStart);
    if (!firstCase || !fitsInt16(n.loadCaseStart) || !fitsInt16(n.StaticLast)
        || !fitsInt16(*firstCase + static_cast<double>(n.StepCount) - 1))
        return std::unexpected(refuseBox(
            "txtSTART(0)", in.loadCaseStart, "gives load case numbers outside -32768 to 32767"));
    n.staticFirstCase = *firstCase;

    if (in.dynamic) {
        const auto dynamicBase = roundToInt16(lenientStart + n.CaseOffset);
        const auto zeroBase = roundToInt16(lenientStart + 2 * n.CaseOffset);
        if (!dynamicBase || !zeroBase || !combinationFits(*dynamicBase, n.StepCount)
            || !combinationFits(*zeroBase, n.StepCount))
            return std::unexpected(refuseBox(
                "txtSTART(0)", in.loadCaseStart, "gives dynamic load case numbers beyond 32767"));
        n.DynamicBase = *dynamicBase;
        n.ZeroBase = *zeroBase;
        if (!std::isfinite(readLenient(in.damping) / 100))
            return std::unexpected(
                refuseBox("txtBLOCKS", in.damping, "is beyond the range of numbers"));
    }

    const auto depth = toDoubleStrict(in.waterDepth, decimal);
    if (!depth)
        return std::unexpected(refuseBox("txtDEPTH", in.waterDepth, "is not a number"));
    n.waterDepth = *depth;

    const double outputId = std::nearbyint(readLenient(in.globalOutputId));
    if (!fitsInt32(outputId) || !fitsInt32(outputId + in.globalJointBoxes))
        return std::unexpected(refuseBox("txtSTART(1)", in.globalOutputId,
            "gives output numbers outside -2147483648 to 2147483647"));
    n.globalOutputId = static_cast<std::int32_t>(outputId);

    // Wave numbers run to waves x directions; the wave and direction tables end at 100.
    if (in.waves < 0 || in.waves > 100 || in.directions < 0 || in.directions > 100)
        return fail("The run has " + plainForm(in.waves, Precision::Double) + " waves in "
            + plainForm(in.directions, Precision::Double)
            + " directions; the wave and direction tables hold at most 100 each.");
    return n;
}

Result<void> checkSelectiveOutputIds(std::string_view text, int start, int jointBoxes)
{
    if (!fitsInt16(static_cast<double>(start) + jointBoxes))
        return std::unexpected(refuseBox("txtSTART(3)", text, "gives output numbers beyond 32767"));
    return {};
}

} // namespace quorin
