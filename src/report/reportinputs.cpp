#include "report/reportinputs.h"

#include "common/numberforms.h"
#include "common/numberreading.h"
#include "mainform/commandchecks.h"
#include "mainform/commands.h"
#include "mainform/controlfilekind.h"
#include "run/directions.h"
#include "run/inputtable.h"

#include <algorithm>

namespace quorin {

namespace {

std::string trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

std::string whole(double value)
{
    return plainForm(value, Precision::Double);
}

// A check box's state, or an option group's choice. A check box whose
// caption runs on over the box beside it ("Tubular Joints    SN Curve") is
// named by the part before the gap; an option group without a caption of its
// own by the option chosen.
ReportLine choiceLine(const InputField& field, MainInputs& in)
{
    if (field.kind != InputKind::Choice) {
        const std::string name = field.name();
        return { name.substr(0, name.find("  ")), field.flag(in) ? "yes" : "no" };
    }
    const int element = field.choice(in);
    const auto chosen = std::ranges::find_if(field.choices,
        [&](const Choice& choice) { return choice.element == element && !choice.caption.empty(); });
    const std::string caption = chosen == field.choices.end() ? "" : trimmed(chosen->caption);
    if (field.name().empty())
        return { caption.empty() ? quotedName(field) : caption, caption.empty() ? "none" : "yes" };
    return { field.name(), caption.empty() ? "none selected" : caption };
}

// "1 wave", "20 waves".
std::string counted(int count, const char* one, const char* many)
{
    return whole(count) + " " + (count == 1 ? one : many);
}

// "1 to 12", or the one number.
std::string span(double first, double last)
{
    return first == last ? whole(first) : whole(first) + " to " + whole(last);
}

void addLoadCases(std::vector<ReportLine>& lines, const RunNumbers& n, bool dynamic)
{
    if (n.StepCount < 1)
        return;
    const double steps = n.StepCount;
    lines.push_back(
        { "Static load cases", span(n.staticFirstCase, n.staticFirstCase + steps - 1) });
    if (!dynamic)
        return;
    for (const auto& [caption, base] : { std::pair { "Wave-frequency combination", n.DynamicBase },
             std::pair { "Zero-frequency combination", n.ZeroBase } })
        lines.push_back({ caption, whole(base) + ", cases " + span(base + 1.0, base + steps) });
}

} // namespace

std::vector<InputGroup> reportInputs(const MainInputs& inputs)
{
    MainInputs in = inputs;
    std::vector<InputGroup> groups;
    for (const InputField& field : inputFields()) {
        if (field.kind == InputKind::WaveFile || field.kind == InputKind::DefaultWaves)
            continue;
        const std::string frame(field.frame);
        auto group = std::ranges::find(groups, frame, &InputGroup::frame);
        if (group == groups.end())
            group = groups.insert(groups.end(), { frame, {} });
        ReportLine line = field.kind == InputKind::Text
            ? ReportLine { field.name(), field.text(in) }
            : choiceLine(field, in);
        line.unit = field.unit;
        group->lines.push_back(std::move(line));
    }
    return groups;
}

std::vector<std::string> directionAngles(const MainInputs& in, const RunSetup& setup, char decimal)
{
    const auto start = toDoubleStrict(in.startDirection, decimal);
    if (!start)
        return {};
    RunSetup angles = setup;
    setDirections(angles, in.directionOption, *start);
    std::vector<std::string> shown;
    const int directions = directionCountFor(in.directionOption, setup.NoOfDirections);
    for (int d = 1; d <= directions; ++d)
        shown.push_back(
            textForm(angles.DirAngle[static_cast<std::size_t>(d)], Precision::Single, decimal));
    return shown;
}

std::vector<ReportLine> reportRun(
    const MainInputs& in, const GridModel& waves, const RunSetup& setup, char decimal)
{
    const ControlFileKind kind = controlFileKind(in.frequencyCase, in.excludeStaticImprovement);
    std::vector<ReportLine> lines { { "Control file", std::string(controlFileKindName(kind)) } };
    const int directions = directionCountFor(in.directionOption, setup.NoOfDirections);
    const auto numbers = checkCreateInputs(in, waves, directions, decimal);
    if (!numbers) {
        const std::string& message = numbers.error().message;
        lines.push_back({ "Create would stop",
            message.substr(0, message.find('\r'))
                + " Correct it and make the report again to see the numbers Create derives." });
        return lines;
    }

    std::string list;
    for (const std::string& angle : directionAngles(in, setup, decimal))
        list += (list.empty() ? "" : ", ") + angle;
    lines.push_back({ "Direction angles", list, "deg" });

    const int count = countWaves(waves);
    lines.push_back({ "Wave numbers",
        count < 1 ? "none: no row of the wave table has a height above 0"
                  : span(1, count * directions) + " (" + counted(count, "wave", "waves") + " in "
                + counted(directions, "direction", "directions") + ")" });
    addLoadCases(lines, *numbers, kind != ControlFileKind::StaticOnly);
    return lines;
}

} // namespace quorin
