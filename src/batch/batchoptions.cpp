#include "batch/batchoptions.h"

#include "common/textfile.h"
#include "mainform/clickrules.h"
#include "wavetable/wavegrid.h"

#include <algorithm>
#include <array>
#include <functional>

namespace quorin {

namespace {

enum class Kind { Text, OnOff, Choice, Switch };

struct Ctx {
    MainInputs& in;
    RunSetup& setup;
    GridModel& waves;
};

// One input option: its name, what it takes, the input it sets, and how.
struct InputOption {
    const char* name;
    Kind kind;
    const char* choices; // for Choice: the values, "|" between them
    const char* help;
    std::function<std::optional<std::string>(Ctx&, const std::string&)> apply;
};

std::optional<std::string> Done()
{
    return std::nullopt;
}

std::string TextPlaceholder(const InputOption& o)
{
    switch (o.kind) {
    case Kind::Text:
        return std::string(o.name) == "waves" ? " FILE" : " TEXT";
    case Kind::OnOff:
        return " on|off";
    case Kind::Choice:
        return std::string(" ") + o.choices;
    case Kind::Switch:
        return "";
    }
    return "";
}

std::optional<std::string> LoadWaves(Ctx& c, const std::string& file)
{
    const auto content = readWholeFile(file);
    if (!content)
        return "cannot read the wave file " + file;
    for (int r = 1; r < c.waves.rows(); ++r)
        for (int col = 1; col <= 3; ++col)
            c.waves.setText(r, col, {});
    std::size_t pos = 0;
    for (int row = 1; row <= kWaveRowCount && pos < content->size(); ++row) {
        const std::size_t end = std::min(content->find_first_of("\r\n", pos), content->size());
        const std::string line = content->substr(pos, end - pos);
        pos = end;
        if (pos < content->size())
            pos += (content->compare(pos, 2, "\r\n") == 0) ? 2 : 1;
        std::size_t cellStart = 0;
        for (int col = 1; col <= 3; ++col) {
            const std::size_t tab = std::min(line.find('\t', cellStart), line.size());
            c.waves.setText(row, col, line.substr(cellStart, tab - cellStart));
            if (tab == line.size())
                break;
            cellStart = tab + 1;
        }
    }
    return Done();
}

template <typename Field> auto SetText(Field field)
{
    return [field](Ctx& c, const std::string& v) {
        c.in.*field = v;
        return Done();
    };
}

template <typename Field> auto SetFrameText(AssessmentFrame MainInputs::*frame, Field field)
{
    return [frame, field](Ctx& c, const std::string& v) {
        (c.in.*frame).*field = v;
        return Done();
    };
}

auto SetFrameBox(AssessmentFrame MainInputs::*frame, bool AssessmentFrame::*box)
{
    return [frame, box](Ctx& c, const std::string& v) {
        (c.in.*frame).*box = v == "on";
        return Done();
    };
}

const std::vector<InputOption>& InputOptions()
{
    using M = MainInputs;
    using F = AssessmentFrame;
    static const std::vector<InputOption> options = {
        { "batch-file", Kind::Text, "", "\"Fatigue Batch File\"", SetText(&M::batchFile) },
        { "directions", Kind::Choice, "1|2|3|4|4sym|6|8|12",
            "\"Number of Directions\" (4 is \"4\", 4sym is \"4 Sym\")",
            [](Ctx& c, const std::string& v) {
                static const std::array<const char*, 8> names { "1", "2", "3", "4", "4sym", "6",
                    "8", "12" };
                c.in.directionOption
                    = static_cast<int>(std::find(names.begin(), names.end(), v) - names.begin());
                return Done();
            } },
        { "start-direction", Kind::Text, "", "\"Start Direction (Deg)\"",
            SetText(&M::startDirection) },
        { "spectrum", Kind::Choice, "1|2|3",
            "\"ITTC Spectrum\", \"Pierson-Moskowitz PM\" or \"JONSWAP\"",
            [](Ctx& c, const std::string& v) {
                ClickSpectrum(c.in, c.setup, std::stoi(v));
                return Done();
            } },
        { "static-only", Kind::Switch, "",
            "\"Static Only\" clicked to checked (--no-static-only: unchecked)",
            [](Ctx& c, const std::string& v) {
                ClickStaticOnly(c.in, c.setup, v == "on");
                return Done();
            } },
        { "frequency-case", Kind::Text, "", "\"Frequency Case\"", SetText(&M::frequencyCase) },
        { "exclude-static-improvement", Kind::Switch, "",
            "\"Exclude Static Improvement\" (--no-exclude-static-improvement: unchecked)",
            [](Ctx& c, const std::string& v) {
                ClickExcludeStaticImprovement(c.in, c.setup, v == "on");
                return Done();
            } },
        { "load-case-start", Kind::Text, "", "\"Load Case (Start)\"", SetText(&M::loadCaseStart) },
        { "damping", Kind::Text, "", "\"Critical Damping %\"", SetText(&M::damping) },
        { "scf-correlation", Kind::Text, "", "\"Tubular Joint SCF Correlations\"",
            SetText(&M::scfCorrelation) },
        { "stress-points", Kind::Text, "", "\"No of Joint Stress Points\"",
            SetText(&M::stressPoints) },
        { "wave-steps", Kind::Text, "", "\"No of Wave Steps\"", SetText(&M::waveSteps) },
        { "water-depth", Kind::Text, "", "\"Water Depth\"", SetText(&M::waterDepth) },
        { "waves", Kind::Text, "", "the wave table: row k takes line k of FILE, cells split at TAB",
            LoadWaves },
        { "global-tubular", Kind::OnOff, "",
            "\"Tubular Joints    SN Curve\" of \"Global Assessments\"",
            SetFrameBox(&M::global, &F::tubularJoints) },
        { "global-tubular-curve", Kind::Text, "", "its SN curve box",
            SetFrameText(&M::global, &F::tubularCurve) },
        { "global-member", Kind::OnOff, "",
            "\"Member Joints    SN Curve\" of \"Global Assessments\"",
            SetFrameBox(&M::global, &F::memberJoints) },
        { "global-member-curve", Kind::Text, "", "its SN curve box",
            SetFrameText(&M::global, &F::memberCurve) },
        { "global-scf", Kind::Text, "", "\"SCF\" of \"Global Assessments\"",
            SetFrameText(&M::global, &F::scf) },
        { "global-thickness", Kind::Text, "", "\"Thickness\" of \"Global Assessments\"",
            SetFrameText(&M::global, &F::thickness) },
        { "global-vm-stress", Kind::OnOff, "",
            "\"Include VM Stress Opt\" of \"Global Assessments\"",
            SetFrameBox(&M::global, &F::vmStress) },
        { "global-output-id", Kind::Text, "",
            "\"Output ID Number (Start)\" of \"Global Assessments\"", SetText(&M::globalOutputId) },
        { "selective-tubular", Kind::OnOff, "",
            "\"Tubular Joints    SN Curve\" of \"Selective Assessments\"",
            SetFrameBox(&M::selective, &F::tubularJoints) },
        { "selective-tubular-curve", Kind::Text, "", "its SN curve box",
            SetFrameText(&M::selective, &F::tubularCurve) },
        { "selective-member", Kind::OnOff, "",
            "\"Member Joints    SN Curve\" of \"Selective Assessments\"",
            SetFrameBox(&M::selective, &F::memberJoints) },
        { "selective-member-curve", Kind::Text, "", "its SN curve box",
            SetFrameText(&M::selective, &F::memberCurve) },
        { "selective-scf", Kind::Text, "", "\"SCF\" of \"Selective Assessments\"",
            SetFrameText(&M::selective, &F::scf) },
        { "selective-thickness", Kind::Text, "", "\"Thickness\" of \"Selective Assessments\"",
            SetFrameText(&M::selective, &F::thickness) },
        { "selective-vm-stress", Kind::OnOff, "",
            "\"Include VM Stress Opt\" of \"Selective Assessments\"",
            SetFrameBox(&M::selective, &F::vmStress) },
        { "group-set", Kind::Text, "", "\"Group SET No\"", SetText(&M::groupSet) },
        { "group-by", Kind::Choice, "node|element",
            "\"Restrict to Node Group\" or \"Restrict to Element Group\"",
            [](Ctx& c, const std::string& v) {
                c.in.elementGroup = v == "element";
                return Done();
            } },
        { "group-no", Kind::Text, "", "\"Restrict to Group No.\"", SetText(&M::groupNo) },
        { "selective-output-id", Kind::Text, "",
            "\"Output ID Number (Start)\" of \"Selective Assessments\"",
            SetText(&M::selectiveOutputId) },
        { "description", Kind::Text, "", "\"Description\" (at most 30 characters)",
            SetText(&M::description) },
    };
    return options;
}

const InputOption* FindInput(const std::string& name)
{
    for (const auto& option : InputOptions())
        if (name == option.name)
            return &option;
    return nullptr;
}

bool ChoiceAllowed(const InputOption& option, const std::string& value)
{
    const std::string choices = option.kind == Kind::OnOff ? "on|off" : option.choices;
    std::size_t start = 0;
    while (start <= choices.size()) {
        const std::size_t bar = std::min(choices.find('|', start), choices.size());
        if (choices.compare(start, bar - start, value) == 0 && value.size() == bar - start)
            return true;
        start = bar + 1;
    }
    return false;
}

std::size_t CharacterCount(const std::string& text)
{
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(),
        [](char ch) { return (static_cast<unsigned char>(ch) & 0xC0) != 0x80; }));
}

} // namespace

std::optional<BatchOptions> ParseBatchOptions(
    const std::vector<std::string>& args, std::string& problem)
{
    BatchOptions result;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string arg = args[i];
        if (arg.rfind("--", 0) != 0) {
            if (result.command != BatchOptions::Command::None) {
                problem = "unexpected argument '" + arg + "'";
                return std::nullopt;
            }
            if (arg == "create")
                result.command = BatchOptions::Command::Create;
            else if (arg == "append")
                result.command = BatchOptions::Command::Append;
            else if (arg == "scatter") {
                problem = "the command 'scatter' is not available in this version";
                return std::nullopt;
            } else {
                problem = "unknown command '" + arg + "'";
                return std::nullopt;
            }
            continue;
        }
        std::string name = arg.substr(2);
        std::optional<std::string> inlineValue;
        if (const auto eq = name.find('='); eq != std::string::npos) {
            inlineValue = name.substr(eq + 1);
            name.resize(eq);
        }
        const auto takeValue = [&](std::string& out) {
            if (inlineValue) {
                out = *inlineValue;
                return true;
            }
            if (i + 1 >= args.size()) {
                problem = "the option --" + name + " needs a value";
                return false;
            }
            out = args[++i];
            return true;
        };
        if (name == "help" || name == "version") {
            result.command
                = name == "help" ? BatchOptions::Command::Help : BatchOptions::Command::Version;
            return result;
        }
        if (name == "overwrite") {
            result.overwrite = true;
            continue;
        }
        if (name == "model" || name == "files1") {
            std::string value;
            if (!takeValue(value))
                return std::nullopt;
            (name == "model" ? result.model : result.files1) = value;
            continue;
        }
        if (name == "default-waves") {
            problem = "the option --default-waves is not available in this version";
            return std::nullopt;
        }
        const bool negated = name.rfind("no-", 0) == 0;
        const InputOption* option = FindInput(negated ? name.substr(3) : name);
        if (!option || (negated && option->kind != Kind::Switch)) {
            problem = "unknown option --" + name;
            return std::nullopt;
        }
        std::string value;
        if (option->kind == Kind::Switch) {
            if (inlineValue) {
                problem = "the option --" + name + " takes no value";
                return std::nullopt;
            }
            value = negated ? "off" : "on";
        } else if (!takeValue(value)) {
            return std::nullopt;
        }
        if ((option->kind == Kind::Choice || option->kind == Kind::OnOff)
            && !ChoiceAllowed(*option, value)) {
            problem = "the option --" + name + " takes " + TextPlaceholder(*option).substr(1)
                + ", not '" + value + "'";
            return std::nullopt;
        }
        if (name == "description" && CharacterCount(value) > kDescriptionLimit) {
            problem = "the description holds more than 30 characters";
            return std::nullopt;
        }
        result.values[option->name] = value;
    }
    if (result.command == BatchOptions::Command::None) {
        problem = "no command given (create or append)";
        return std::nullopt;
    }
    return result;
}

std::optional<std::string> ApplyBatchOptions(
    const BatchOptions& options, MainInputs& inputs, RunSetup& setup, GridModel& waves)
{
    Ctx context { inputs, setup, waves };
    for (const auto& option : InputOptions()) {
        const auto given = options.values.find(option.name);
        if (given == options.values.end())
            continue;
        if (auto problem = option.apply(context, given->second))
            return problem;
    }
    return std::nullopt;
}

std::string BatchHelpText()
{
    std::string text = "Usage: quorin-batch create|append [MODEL] [INPUTS] [--overwrite]\n"
                       "       quorin-batch --help | --version\n\n"
                       "Runs Create or Append of the main view without a window.\n\n"
                       "Model (first that applies):\n"
                       "  --model STEM        the model file stem; model.NAM is not read\n"
                       "  --files1 DIR        the folder that holds model.NAM, in place of the "
                       "stored setting Files1\n\n"
                       "Inputs, applied in this order after the model's saved settings:\n";
    for (const auto& option : InputOptions()) {
        std::string left = std::string("  --") + option.name + TextPlaceholder(option);
        left.resize(std::max<std::size_t>(left.size() + 2, 46), ' ');
        text += left + option.help + "\n";
    }
    text += "\n  --overwrite" + std::string(35, ' ')
        + "answers Yes to \"Fatige Batch File Exist - Overwrite\"\n"
          "\nExit status: 0 done, 1 the command stopped (a message says why), 2 usage error.\n";
    return text;
}

} // namespace quorin
