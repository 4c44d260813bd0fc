#pragma once

#include "common/result.h"

#include <cstdint>
#include <string_view>

namespace quorin {

// What the run numbers are derived from: the texts as typed, and the counts
// the command or the writer already knows.
struct RunTexts {
    std::string_view waveSteps; // "No of Wave Steps"
    std::string_view loadCaseStart; // "Load Case (Start)"
    std::string_view waterDepth; // "Water Depth"
    std::string_view damping; // "Critical Damping %"
    bool dynamic = true; // the frequency case is not "-"
    std::string_view globalOutputId; // "Output ID Number (Start)" of "Global Assessments"
    int globalJointBoxes = 0; // joint boxes ticked in "Global Assessments"
    int waves = 0; // NoOfWaves
    int directions = 0; // DirectionCount
};

// Every number a Create writer derives from the inputs, each known to fit
// where it is written.
struct RunNumbers {
    std::int16_t StepCount = 0; // "No of Wave Steps" read leniently, nearest 16-bit integer
    int CaseOffset = 20; // 30 when more than 20 wave steps are asked for
    double loadCaseStart = 0; // "Load Case (Start)" converted strictly
    double StaticLast = 0; // loadCaseStart + StepCount - 1
    std::int16_t staticFirstCase = 0; // the static combination's first case: the start read
                                      // leniently, nearest integer
    std::int16_t DynamicBase = 0; // the W=Wn combination; its cases follow it
    std::int16_t ZeroBase = 0; // the W=0 combination
    double waterDepth = 0; // "Water Depth" converted strictly
    std::int32_t globalOutputId = 0; // the first global output id, nearest integer
};

// Derives the run numbers, or refuses the box whose text gives a number that
// cannot be converted or does not fit (the failure names the box). The checks
// of Create and every Create writer use it, so a run that passes the checks
// cannot fail on a number in a writer.
Result<RunNumbers> deriveRunNumbers(const RunTexts& texts, char decimalSymbol);

// The selective assessment uses OutputIdStart and one more id for each joint
// box ticked; refuses the start (text as typed) when the last id is beyond 32767.
Result<void> checkSelectiveOutputIds(std::string_view text, int start, int jointBoxes);

} // namespace quorin
