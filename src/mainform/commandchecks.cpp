#include "mainform/commandchecks.h"

#include "common/numberreading.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace quorin {

namespace {

constexpr double kInt16Min = std::numeric_limits<std::int16_t>::min();
constexpr double kInt16Max = std::numeric_limits<std::int16_t>::max();

std::string FieldName(const char* caption, const char* frame)
{
    std::string name = std::string("\"") + caption + "\"";
    if (frame)
        name += std::string(" of \"") + frame + "\"";
    return name;
}

std::string NotANumber(
    const char* caption, const char* frame, const std::string& text, const char* wanted)
{
    return "The box " + FieldName(caption, frame) + " holds \"" + text + "\", which is not "
        + wanted + ".\rCorrect it and try again; no file was written.";
}

std::string OutOfRange(
    const char* caption, const char* frame, const std::string& text, const std::string& consequence)
{
    return "The box " + FieldName(caption, frame) + " holds \"" + text + "\", which " + consequence
        + ".\rCorrect it and try again; no file was written.";
}

bool FitsInt16(double value)
{
    return value >= kInt16Min && value <= kInt16Max;
}

int JointBoxes(const AssessmentFrame& frame)
{
    return (frame.tubularJoints ? 1 : 0) + (frame.memberJoints ? 1 : 0);
}

// Checks shared by both commands; the thickness is that of the active frame.
std::optional<std::string> CheckCommon(
    const MainInputs& in, const AssessmentFrame& frame, const char* frameName, char decimal)
{
    const auto outputId = toInt16Strict(in.selectiveOutputId, decimal);
    if (!outputId)
        return NotANumber("Output ID Number (Start)", "Selective Assessments", in.selectiveOutputId,
            "a whole number from -32768 to 32767");
    if (!toDoubleStrict(in.startDirection, decimal))
        return NotANumber("Start Direction (Deg)", nullptr, in.startDirection, "a number");
    if (!toDoubleStrict(in.waterDepth, decimal))
        return NotANumber("Water Depth", nullptr, in.waterDepth, "a number");
    if (!toSingleStrict(frame.thickness, decimal))
        return NotANumber("Thickness", frameName, frame.thickness, "a number");
    return std::nullopt;
}

} // namespace

std::optional<std::string> CheckCreateInputs(const MainInputs& in, char decimal)
{
    if (auto refused = CheckCommon(in, in.global, "Global Assessments", decimal))
        return refused;
    const auto start = toDoubleStrict(in.loadCaseStart, decimal);
    if (!start)
        return NotANumber("Load Case (Start)", nullptr, in.loadCaseStart, "a number");

    const double steps = readLenient(in.waveSteps);
    const auto stepCount = roundToInt16(steps);
    if (!stepCount)
        return OutOfRange("No of Wave Steps", nullptr, in.waveSteps,
            "is beyond the largest number of wave steps, 32767");
    const double lenientStart = readLenient(in.loadCaseStart);
    const double staticLast = *start + *stepCount - 1;
    const auto firstCase = roundToInt16(lenientStart);
    if (!firstCase || !FitsInt16(*start) || !FitsInt16(staticLast)
        || !FitsInt16(*firstCase + static_cast<double>(*stepCount) - 1))
        return OutOfRange("Load Case (Start)", nullptr, in.loadCaseStart,
            "gives load case numbers outside -32768 to 32767");
    if (in.frequencyCase != "-") {
        const double offset = steps > 20 ? 30 : 20;
        const auto dynamicBase = roundToInt16(lenientStart + offset);
        const auto zeroBase = roundToInt16(lenientStart + 2 * offset);
        if (!dynamicBase || !zeroBase || !FitsInt16(*dynamicBase + 1.0)
            || !FitsInt16(*zeroBase + static_cast<double>(*stepCount))
            || !FitsInt16(*dynamicBase + static_cast<double>(*stepCount)))
            return OutOfRange("Load Case (Start)", nullptr, in.loadCaseStart,
                "gives dynamic load case numbers beyond 32767");
    }
    const double globalId = std::nearbyint(readLenient(in.globalOutputId));
    if (!(globalId >= std::numeric_limits<std::int32_t>::min()
            && globalId + JointBoxes(in.global) <= std::numeric_limits<std::int32_t>::max()))
        return OutOfRange("Output ID Number (Start)", "Global Assessments", in.globalOutputId,
            "gives output numbers outside -2147483648 to 2147483647");
    return std::nullopt;
}

std::optional<std::string> CheckAppendInputs(const MainInputs& in, char decimal)
{
    if (auto refused = CheckCommon(in, in.selective, "Selective Assessments", decimal))
        return refused;
    const auto outputId = toInt16Strict(in.selectiveOutputId, decimal);
    if (*outputId + JointBoxes(in.selective) > kInt16Max)
        return OutOfRange("Output ID Number (Start)", "Selective Assessments", in.selectiveOutputId,
            "gives output numbers beyond 32767");
    return std::nullopt;
}

} // namespace quorin
