#include "run/inputtable.h"

#include "run/clickrules.h"
#include "run/directions.h"

#include <array>

namespace quorin {

namespace {

using M = MainInputs;

constexpr auto kDirectionChoices = [] {
    std::array<Choice, kDirectionOptions.size()> choices {};
    for (std::size_t i = 0; i < kDirectionOptions.size(); ++i)
        choices[i]
            = { kDirectionOptions[i].name, static_cast<int>(i), kDirectionOptions[i].caption };
    return choices;
}();

// A choice without a caption is another name for an option.
constexpr std::array<Choice, 6> kSpectrumChoices { {
    { "1", 1, "ITTC Spectrum" },
    { "2", 2, "Pierson-Moskowitz PM" },
    { "3", 3, "JONSWAP " },
    { "ittc", 1, {} },
    { "pm", 2, {} },
    { "jonswap", 3, {} },
} };

constexpr std::array<Choice, 2> kGroupChoices { {
    { "node", 1, "Restrict to Node Group" },
    { "element", 0, "Restrict to Element Group" },
} };

constexpr std::string_view kGlobal = "Global Assessments";
constexpr std::string_view kSelective = "Selective Assessments";

constexpr InputField text(std::string_view object, std::string_view caption,
    std::string_view option, std::string_view help, std::string& (*member)(M&),
    std::string_view frame = {})
{
    return { object, caption, frame, option, InputKind::Text, help, member };
}

constexpr InputField check(std::string_view object, std::string_view caption,
    std::string_view frame, std::string_view option, std::string_view help, bool& (*member)(M&))
{
    return { object, caption, frame, option, InputKind::OnOff, help, nullptr, member };
}

// The SN curve box beside a joint box: no caption of its own.
constexpr InputField curve(std::string_view object, std::string_view name, std::string_view frame,
    std::string_view option, std::string_view help, std::string& (*member)(M&))
{
    InputField field = text(object, {}, option, help, member, frame);
    field.accessibleName = name;
    return field;
}

constexpr InputField withUnit(InputField field, std::string_view unit)
{
    field.unit = unit;
    return field;
}

constexpr auto kFields = std::to_array<InputField>({
    text("txtBATNAM", "Fatigu&e Batch File", "batch-file",
        "The full name of the batch control file to write.",
        [](M& in) -> std::string& { return in.batchFile; }),
    { "Option1", "N&umber of Directions", {}, "directions", InputKind::Choice,
        "The number and spacing of the wave directions (4 round the full circle, 4 Sym over "
        "the symmetric half).",
        nullptr, nullptr, [](M& in) -> int& { return in.directionOption; }, kDirectionChoices },
    withUnit(text("txtSTARTDIR", "Start Direction (De&g)", "start-direction",
                 "The angle in degrees added to every direction angle.",
                 [](M& in) -> std::string& { return in.startDirection; }),
        "deg"),
    { "Option6", "Wave Energy Spectrum", {}, "spectrum", InputKind::Choice,
        "The wave energy spectrum: ITTC, Pierson-Moskowitz or JONSWAP.", nullptr, nullptr,
        [](M& in) -> int& { return in.spectrum; }, kSpectrumChoices,
        [](M& in, RunSetup& setup, int element) { clickSpectrum(in, setup, element); } },
    { "Check2", "Static Only", {}, "static-only", InputKind::Switch,
        "A static-only run: checking it sets \"Frequency Case\" to \"-\" and clears \"Exclude "
        "Static Improvement\"; unchecking it sets \"Frequency Case\" to 50.",
        nullptr, [](M& in) -> bool& { return in.staticOnly; }, nullptr, {},
        [](M& in, RunSetup& setup, int checked) { clickStaticOnly(in, setup, checked != 0); } },
    text("txtRETURN", "Frequency Case", "frequency-case",
        "The frequency case number; \"-\" makes a static-only run.",
        [](M& in) -> std::string& { return in.frequencyCase; }),
    { "Check3", "Exclude Static Improvement", {}, "exclude-static-improvement", InputKind::Switch,
        "A dynamic run without the static-improvement stage.", nullptr,
        [](M& in) -> bool& { return in.excludeStaticImprovement; }, nullptr, {},
        [](M& in, RunSetup& setup, int checked) {
            clickExcludeStaticImprovement(in, setup, checked != 0);
        } },
    text("txtSTART(0)", "Load Case (Start)", "load-case-start",
        "The first load case number of the run.",
        [](M& in) -> std::string& { return in.loadCaseStart; }),
    withUnit(text("txtBLOCKS", "Critical Damping %", "damping",
                 "The critical damping in percent, for dynamic runs.",
                 [](M& in) -> std::string& { return in.damping; }),
        "%"),
    text("txtSCF", "Tubular Joint SCF Correlations", "scf-correlation",
        "The SCF correlation selector for tubular joints.",
        [](M& in) -> std::string& { return in.scfCorrelation; }),
    text("txtSTRESS", "No of &Joint Stress Points", "stress-points",
        "The number of stress points per joint.",
        [](M& in) -> std::string& { return in.stressPoints; }),
    text("txtWAVESTEP", "No of Wave Ste&ps", "wave-steps",
        "The number of wave steps, which is the number of load cases of one run.",
        [](M& in) -> std::string& { return in.waveSteps; }),
    withUnit(text("txtDEPTH", "W&ater Depth", "water-depth", "The water depth in metres.",
                 [](M& in) -> std::string& { return in.waterDepth; }),
        "m"),
    { {}, "Tranfer Function Wave Data", {}, "waves", InputKind::WaveFile,
        "The wave table: every row is emptied, then row k takes line k of FILE (height, period "
        "and theory, split at TAB)." },
    { {}, "Generate Default Waves", {}, "default-waves", InputKind::DefaultWaves,
        "Generates the default waves (after --waves) from the texts of \"Number of Waves\", "
        "\"Minimum Period Secs\", \"Maximum Period Secs\" and \"Wave Steepness\", split at "
        "commas, or at semicolons when the text holds one (for decimal commas)." },
    check("chkJOINTS(0)", "Tubular Joints    SN Curve", kGlobal, "global-tubular",
        "Assess the tubular joints over all waves and directions.",
        [](M& in) -> bool& { return in.global.tubularJoints; }),
    curve("txtCurve(0)", "Tubular Joints SN Curve", kGlobal, "global-tubular-curve",
        "The SN curve of the tubular joints.",
        [](M& in) -> std::string& { return in.global.tubularCurve; }),
    check("chkJOINTS(1)", "Member Joints    SN Curve", kGlobal, "global-member",
        "Assess the member joints over all waves and directions.",
        [](M& in) -> bool& { return in.global.memberJoints; }),
    curve("txtCurve(1)", "Member Joints SN Curve", kGlobal, "global-member-curve",
        "The SN curve of the member joints.",
        [](M& in) -> std::string& { return in.global.memberCurve; }),
    text(
        "Text1(3)", "SCF", "global-scf", "The stress concentration factor of the member joints.",
        [](M& in) -> std::string& { return in.global.scf; }, kGlobal),
    withUnit(text(
                 "Text1(2)", "Thickness", "global-thickness", "The thickness of the member joints.",
                 [](M& in) -> std::string& { return in.global.thickness; }, kGlobal),
        "m"),
    check("Check1(0)", "Include VM Stress Opt", kGlobal, "global-vm-stress",
        "Include the VM stress option with the member joints.",
        [](M& in) -> bool& { return in.global.vmStress; }),
    text(
        "txtSTART(1)", "Output ID Number (Start)", "global-output-id",
        "The first output identification number of the global assessments.",
        [](M& in) -> std::string& { return in.globalOutputId; }, kGlobal),
    check("chkJOINTS(2)", "Tubular Joints    SN Curve", kSelective, "selective-tubular",
        "Assess the tubular joints of the group.",
        [](M& in) -> bool& { return in.selective.tubularJoints; }),
    curve("txtCurve(2)", "Tubular Joints SN Curve", kSelective, "selective-tubular-curve",
        "The SN curve of the tubular joints of the group.",
        [](M& in) -> std::string& { return in.selective.tubularCurve; }),
    check("chkJOINTS(3)", "Member Joints    SN Curve", kSelective, "selective-member",
        "Assess the member joints of the group.",
        [](M& in) -> bool& { return in.selective.memberJoints; }),
    curve("txtCurve(3)", "Member Joints SN Curve", kSelective, "selective-member-curve",
        "The SN curve of the member joints of the group.",
        [](M& in) -> std::string& { return in.selective.memberCurve; }),
    text(
        "Text1(0)", "SCF", "selective-scf",
        "The stress concentration factor of the member joints of the group.",
        [](M& in) -> std::string& { return in.selective.scf; }, kSelective),
    withUnit(text(
                 "Text1(1)", "Thickness", "selective-thickness",
                 "The thickness of the member joints of the group.",
                 [](M& in) -> std::string& { return in.selective.thickness; }, kSelective),
        "m"),
    check("Check1(1)", "Include VM Stress Opt", kSelective, "selective-vm-stress",
        "Include the VM stress option with the member joints of the group.",
        [](M& in) -> bool& { return in.selective.vmStress; }),
    text(
        "txtSTART(4)", "Group SET No", "group-set", "The group set number of the group.",
        [](M& in) -> std::string& { return in.groupSet; }, kSelective),
    { "Option5", {}, kSelective, "group-by", InputKind::Choice,
        "Whether the group is a node group or an element group.", nullptr, nullptr,
        [](M& in) -> int& { return in.groupOption; }, kGroupChoices },
    text(
        "txtSTART(5)", "Restrict to Group No.", "group-no",
        "The number of the node or element group.",
        [](M& in) -> std::string& { return in.groupNo; }, kSelective),
    text(
        "txtSTART(3)", "Output ID Number (Start)", "selective-output-id",
        "The first output identification number of the selective assessment.",
        [](M& in) -> std::string& { return in.selectiveOutputId; }, kSelective),
    text(
        "txtDesc", "Description", "description",
        "The description of the selective assessment, at most 30 characters.",
        [](M& in) -> std::string& { return in.description; }, kSelective),
});

} // namespace

std::string InputField::name() const
{
    if (!accessibleName.empty())
        return std::string(accessibleName);
    std::string shown;
    for (char ch : caption)
        if (ch != '&')
            shown += ch;
    while (!shown.empty() && shown.back() == ' ')
        shown.pop_back();
    return shown;
}

std::string InputField::valueForm() const
{
    switch (kind) {
    case InputKind::Text:
        return "TEXT";
    case InputKind::WaveFile:
        return "FILE";
    case InputKind::DefaultWaves:
        return "N,MIN,MAX,STEEP";
    case InputKind::OnOff:
        return "on|off";
    case InputKind::Switch:
        return "";
    case InputKind::Choice: {
        std::string names;
        for (const Choice& choice : choices)
            names += (names.empty() ? "" : "|") + std::string(choice.name);
        return names;
    }
    }
    return "";
}

std::string InputField::batchUsage() const
{
    const std::string value = valueForm();
    return (kind == InputKind::Switch ? "--[no-]" : "--") + std::string(option)
        + (value.empty() ? "" : " " + value);
}

std::span<const InputField> inputFields()
{
    return kFields;
}

const InputField* findInput(std::string_view objectName)
{
    for (const InputField& field : kFields)
        if (!objectName.empty() && field.objectName == objectName)
            return &field;
    return nullptr;
}

std::string quotedName(const InputField& field)
{
    std::string name = "\"" + field.name() + "\"";
    if (!field.frame.empty())
        name += " of \"" + std::string(field.frame) + "\"";
    return name;
}

std::string shortened(std::string_view text)
{
    constexpr std::size_t shown = 40;
    if (text.size() <= shown)
        return std::string(text);
    std::size_t cut = shown;
    // Not inside a character that takes several bytes.
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
        --cut;
    return std::string(text.substr(0, cut)) + "...";
}

Failure refuseBox(std::string_view objectName, std::string_view text, std::string_view why)
{
    const InputField* field = findInput(objectName);
    const std::string name = field ? quotedName(*field) : "\"" + std::string(objectName) + "\"";
    return { "The box " + name + " holds \"" + shortened(text) + "\", which " + std::string(why)
            + ".\rCorrect it and try again; no file was written.",
        {}, std::string(objectName) };
}

} // namespace quorin
