#include "writers/assessments.h"

#include "common/numberforms.h"
#include "writers/runvalues.h"

#include <string>

namespace quorin::writers {

namespace {

const char* const kCombineBanner = "REM *******************COMBINE ALL DIRECTIONS";

std::string textOf(double value, char decimalSymbol)
{
    return textForm(value, Precision::Double, decimalSymbol);
}

// The thickness in text form; 0 (of either sign) as "0".
std::string thicknessOf(const RunSetup& setup, char decimalSymbol)
{
    if (setup.Thickness == 0)
        return "0";
    return textForm(setup.Thickness, Precision::Single, decimalSymbol);
}

// The combine-all-directions lines: tubular joints, then member joints and,
// only within the member branch, the VM stress line on the id after them.
template <typename Combine, typename NextId>
void writeCombinations(const RunSetup& setup, Combine combine, NextId nextId)
{
    if (setup.TubularJoints == 1) {
        combine("1");
        nextId();
    }
    if (setup.MemberJoints == 1) {
        combine("2");
        nextId();
        if (setup.VMStress == 1)
            combine("3");
    }
}

} // namespace

void writeGlobalAssessments(LineWriter& out, const RunSetup& setup, const FormTexts& form,
    std::int32_t firstOutputId, char decimalSymbol)
{
    const std::string waves = textOf(setup.NoOfWaves, decimalSymbol);
    const std::string directions = textOf(setup.DirectionCount, decimalSymbol);
    out.line("REM *****");
    out.line("REM *******************************END OF SOLUTION PHASE");
    out.line("REM *****");
    out.line("REM **********************************GLOBAL ASSESSMENTS");
    if (setup.TubularJoints == 1)
        out.line("FATSPEC3 1/" + waves + "/" + directions + "/1/" + form.tubularCurve + "/");
    if (setup.MemberJoints == 1) {
        std::string line = "FATSPEC3 2/" + waves + "/" + directions + "/"
            + trimmed(setup.MemberScfText) + "/" + trimmed(form.memberCurve) + "/";
        if (setup.Thickness != 0)
            line += thicknessOf(setup, decimalSymbol) + "/";
        out.line(line);
    }
    out.line(kCombineBanner);

    std::int32_t outputId = firstOutputId;
    const auto combine = [&](std::string_view joints) {
        out.line("FATIG4 S1/" + directions + "/10000/" + textOf(outputId, decimalSymbol) + "/"
            + std::string(joints) + "/");
    };
    writeCombinations(setup, combine, [&] { ++outputId; });
}

void writeSelectiveAssessment(
    LineWriter& out, RunSetup& setup, const FormTexts& form, char decimalSymbol)
{
    const std::string rule(103, '-');
    const std::string waves = textOf(setup.NoOfWaves, decimalSymbol);
    const std::string directions = textOf(setup.DirectionCount, decimalSymbol);
    const std::string groupSet = trimmed(setup.GroupSetNoText);
    const std::string group = trimmed(setup.GroupNoText);
    const std::string thickness = thicknessOf(setup, decimalSymbol);
    const auto id = [&](long long value) { return textOf(value, decimalSymbol); };
    const std::string inGroup = ": SET " + groupSet + ": Group " + group + ": Result Case ";

    out.line(rule);
    if (setup.TubularJoints == 1)
        out.line("REM  " + form.tubularCurve + " Curve" + inGroup + id(setup.OutputIdStart));
    if (setup.MemberJoints == 1) {
        const int second = setup.OutputIdStart + 1;
        out.line("REM  SCF=" + trimmed(setup.MemberScfText) + ": " + form.memberCurve
            + " Curve  t=" + thickness + inGroup + id(setup.OutputIdStart) + " & " + id(second));
    }
    out.line(rule);
    if (setup.TubularJoints == 1)
        out.line("FATSPEC3 1/" + waves + "/" + directions + "/1/" + form.tubularCurve + "/");
    if (setup.MemberJoints == 1)
        out.line("FATSPEC3 2/" + waves + "/" + directions + "/" + trimmed(setup.MemberScfText) + "/"
            + trimmed(form.memberCurve) + "/" + thickness + "/" + groupSet + "/" + group + "/");

    const std::string description
        = form.description.empty() ? std::string() : trimmed(form.description) + "/";
    out.line(kCombineBanner);
    const auto combine = [&](std::string_view joints) {
        out.line("FATIG4 S1/" + directions + "/10000/" + id(setup.OutputIdStart) + "/"
            + std::string(joints) + "/" + groupSet + "/" + group + "/" + id(setup.NodeGroup) + "/"
            + description);
    };
    writeCombinations(setup, combine, [&] { ++setup.OutputIdStart; });
}

} // namespace quorin::writers
