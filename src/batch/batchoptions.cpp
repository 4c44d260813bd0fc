#include "batch/batchoptions.h"

#include "common/textfile.h"
#include "report/reportoutput.h"
#include "run/inputtable.h"
#include "wavetable/defaultwavesinput.h"
#include "wavetable/wavegrid.h"

#include <algorithm>

namespace quorin {

namespace {

const InputField* findOption(std::string_view name)
{
    for (const InputField& field : inputFields())
        if (field.option == name)
            return &field;
    return nullptr;
}

const Choice* findChoice(const InputField& field, std::string_view name)
{
    const auto found = std::ranges::find(field.choices, name, &Choice::name);
    return found == field.choices.end() ? nullptr : &*found;
}

// The cells of a line of a wave file: split at TAB or, on a line without a
// TAB, at runs of spaces (leading and trailing spaces ignored).
std::vector<std::string> waveCells(const std::string& line)
{
    std::vector<std::string> cells(1);
    if (line.find('\t') != std::string::npos) {
        for (const char ch : line) {
            if (ch == '\t')
                cells.emplace_back();
            else
                cells.back().push_back(ch);
        }
        return cells;
    }
    for (const char ch : line) {
        if (ch != ' ')
            cells.back().push_back(ch);
        else if (!cells.back().empty())
            cells.emplace_back();
    }
    if (cells.size() > 1 && cells.back().empty())
        cells.pop_back();
    return cells;
}

// Every row is emptied, then row k takes line k of the file.
Result<void> loadWaves(GridModel& waves, const std::string& file, const BatchOptions& options)
{
    const auto content = file == "-" ? options.standardInput : readWholeFile(file);
    if (!content)
        return fail("cannot read the wave file " + file, file);
    for (int r = 1; r < waves.rows(); ++r)
        for (int col = 1; col <= 3; ++col)
            waves.setText(r, col, {});
    std::size_t pos = 0;
    for (int row = 1; row <= kWaveRowCount && pos < content->size(); ++row) {
        const std::size_t end = std::min(content->find_first_of("\r\n", pos), content->size());
        const std::string line = content->substr(pos, end - pos);
        pos = end;
        if (pos < content->size())
            pos += (content->compare(pos, 2, "\r\n") == 0) ? 2 : 1;
        const std::vector<std::string> cells = waveCells(line);
        for (std::size_t col = 0; col < std::min<std::size_t>(cells.size(), 3); ++col)
            waves.setText(row, static_cast<int>(col) + 1, cells[col]);
    }
    return {};
}

// The four texts of --default-waves, split at commas, or at semicolons when
// the text holds one (so that periods may carry a decimal comma).
std::optional<DefaultWaveTexts> splitDefaultWaves(const std::string& text)
{
    const char separator = text.find(';') != std::string::npos ? ';' : ',';
    std::vector<std::string> fields(1);
    for (const char ch : text) {
        if (ch == separator)
            fields.emplace_back();
        else
            fields.back() += ch;
    }
    if (fields.size() != 4)
        return std::nullopt;
    return DefaultWaveTexts { fields[0], fields[1], fields[2], fields[3] };
}

// The dialog's OK with the four texts, then the command's generation.
Result<void> generateDefaultWaves(
    const std::string& value, Session& session, Prompter& prompter, char decimalSymbol)
{
    const auto request = readDefaultWaveTexts(*splitDefaultWaves(value), decimalSymbol);
    if (!request) {
        prompter.tell(request.error().message, Prompter::Icon::Critical);
        return fail("");
    }
    session.defaultWaves = request->parameters;
    session.setup.WaveSteepness = request->WaveSteepness;
    const auto message = DefaultWaves(session.waves, session.defaultWaves,
        session.setup.WaveSteepness, session.setup.NoOfWaves, decimalSymbol);
    if (!message) {
        prompter.tell(message.error().message, Prompter::Icon::Critical);
        return fail("");
    }
    prompter.tell(*message);
    return {};
}

std::size_t characterCount(const std::string& text)
{
    return static_cast<std::size_t>(std::ranges::count_if(
        text, [](char ch) { return (static_cast<unsigned char>(ch) & 0xC0) != 0x80; }));
}

// The value of an input option, checked against what the option takes.
Result<std::string> optionValue(const InputField& field, const std::string& name, bool negated,
    const std::optional<std::string>& inlineValue, const std::vector<std::string>& args,
    std::size_t& i)
{
    if (field.kind == InputKind::Switch) {
        if (inlineValue)
            return fail("the option --" + name + " takes no value");
        return negated ? "off" : "on";
    }
    std::string value;
    if (inlineValue)
        value = *inlineValue;
    else if (i + 1 < args.size())
        value = args[++i];
    else
        return fail("the option --" + name + " needs a value");
    const bool choiceKnown = field.kind == InputKind::Choice ? findChoice(field, value) != nullptr
                                                             : value == "on" || value == "off";
    if ((field.kind == InputKind::Choice || field.kind == InputKind::OnOff) && !choiceKnown)
        return fail(
            "the option --" + name + " takes " + field.valueForm() + ", not '" + value + "'");
    if (field.option == "description" && characterCount(value) > kDescriptionLimit)
        return fail("the description holds more than 30 characters");
    if (field.kind == InputKind::DefaultWaves && !splitDefaultWaves(value))
        return fail(
            "the option --" + name + " takes N,MIN,MAX,STEEP (four texts), not '" + value + "'");
    return value;
}

// The report needs its file, and writes nothing else: no question to answer, no dry run.
Result<void> checkReportOptions(const BatchOptions& options)
{
    if (options.command != BatchOptions::Command::Report) {
        if (options.out)
            return fail("the option --out goes with report only");
        return {};
    }
    if (!options.out)
        return fail("report needs --out FILE, a file name ending in .pdf or .html");
    if (!reportFormatOf(*options.out))
        return fail("the option --out takes a file name ending in .pdf or .html, not '"
            + *options.out + "'");
    if (options.overwrite || options.dryRun)
        return fail(std::string("the option --") + (options.overwrite ? "overwrite" : "dry-run")
            + " does not go with report, which replaces its own file and no other");
    return {};
}

// Scatter takes its own options and none of the inputs; create and append take none of scatter's.
Result<void> checkCommandOptions(const BatchOptions& options)
{
    if (auto report = checkReportOptions(options); !report)
        return report;
    if (options.command != BatchOptions::Command::Scatter) {
        if (options.scatter.any())
            return fail("the options --steepness, --import, --scaling and --years go with "
                        "scatter only");
        return {};
    }
    if (options.dryRun)
        return fail("the option --dry-run goes with create and append only");
    if (!options.values.empty())
        return fail("the option --" + options.values.begin()->first + " does not go with scatter");
    return checkScatterOptions(options.scatter);
}

} // namespace

Result<BatchOptions> parseBatchOptions(const std::vector<std::string>& args)
{
    BatchOptions result;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "-h" || (arg == "help" && result.command == BatchOptions::Command::None)) {
            result.command = BatchOptions::Command::Help;
            return result;
        }
        if (!arg.starts_with("--")) {
            if (result.command == BatchOptions::Command::Scatter && !result.scatter.direction) {
                result.scatter.direction = arg;
                continue;
            }
            if (result.command != BatchOptions::Command::None)
                return fail("unexpected argument '" + arg + "'");
            if (arg == "create")
                result.command = BatchOptions::Command::Create;
            else if (arg == "append")
                result.command = BatchOptions::Command::Append;
            else if (arg == "scatter")
                result.command = BatchOptions::Command::Scatter;
            else if (arg == "report")
                result.command = BatchOptions::Command::Report;
            else
                return fail("unknown command '" + arg + "'");
            continue;
        }
        std::string name = arg.substr(2);
        std::optional<std::string> inlineValue;
        if (const auto eq = name.find('='); eq != std::string::npos) {
            inlineValue = name.substr(eq + 1);
            name.resize(eq);
        }
        if (name == "help" || name == "version") {
            result.command
                = name == "help" ? BatchOptions::Command::Help : BatchOptions::Command::Version;
            return result;
        }
        if (name == "overwrite" || name == "defaults") {
            (name == "overwrite" ? result.overwrite : result.defaults) = true;
            continue;
        }
        if (name == "dry-run") {
            result.dryRun = true;
            continue;
        }
        if (name == "model" || name == "files1" || name == "out") {
            if (!inlineValue && i + 1 >= args.size())
                return fail("the option --" + name + " needs a value");
            (name == "model"        ? result.model
                    : name == "out" ? result.out
                                    : result.files1)
                = inlineValue ? *inlineValue : args[++i];
            continue;
        }
        const auto scatterOption = takeScatterOption(name, inlineValue, args, i, result.scatter);
        if (!scatterOption)
            return std::unexpected(scatterOption.error());
        if (*scatterOption)
            continue;
        const bool negated = name.starts_with("no-");
        const InputField* field = findOption(negated ? name.substr(3) : name);
        if (!field || (negated && field->kind != InputKind::Switch))
            return fail("unknown option --" + name);
        auto value = optionValue(*field, name, negated, inlineValue, args, i);
        if (!value)
            return std::unexpected(value.error());
        result.values.insert_or_assign(std::string(field->option), *value);
    }
    if (result.command == BatchOptions::Command::None)
        return fail("no command given (create, append, scatter or report)");
    if (auto scatter = checkCommandOptions(result); !scatter)
        return std::unexpected(scatter.error());
    return result;
}

Result<void> applyBatchOptions(const BatchOptions& options, MainInputs& inputs, Session& session,
    Prompter& prompter, char decimalSymbol)
{
    for (const InputField& field : inputFields()) {
        const auto given = options.values.find(field.option);
        if (given == options.values.end())
            continue;
        const std::string& value = given->second;
        switch (field.kind) {
        case InputKind::Text:
            field.text(inputs) = value;
            break;
        case InputKind::OnOff:
            field.flag(inputs) = value == "on";
            break;
        case InputKind::Switch:
            field.click(inputs, session.setup, value == "on" ? 1 : 0);
            break;
        case InputKind::Choice: {
            const int element = findChoice(field, value)->element;
            if (field.click)
                field.click(inputs, session.setup, element);
            else
                field.choice(inputs) = element;
            break;
        }
        case InputKind::WaveFile:
            if (auto loaded = loadWaves(session.waves, value, options); !loaded)
                return loaded;
            break;
        case InputKind::DefaultWaves:
            if (auto generated = generateDefaultWaves(value, session, prompter, decimalSymbol);
                !generated)
                return generated;
            break;
        }
    }
    return {};
}

std::string batchHelpText()
{
    std::string text = "Usage: quorin-batch create|append [MODEL] [INPUTS] [--overwrite] "
                       "[--dry-run]\n"
                       "       quorin-batch scatter DIRECTION [MODEL] [--steepness]\n"
                       "       quorin-batch scatter DIRECTION [MODEL] --import FILE "
                       "[--scaling TEXT] [--years TEXT] [--overwrite]\n"
                       "       quorin-batch report [MODEL] [INPUTS] --out FILE.pdf|FILE.html\n"
                       "       quorin-batch --help | -h | help | --version\n\n"
                       "Runs Create or Append of the main view, or Open or Save of the scatter "
                       "diagram editor, without a window,\n"
                       "or writes the run report of the inputs as Create would take them: "
                       "the inputs, the waves\n"
                       "and their chart, every direction's scatter diagram and the files "
                       "Create would write.\n"
                       "The report changes no file of the run; --out FILE is replaced whole.\n\n"
                       "Model (first that applies):\n"
                       "  --model STEM        the model file stem; model.NAM is not read\n"
                       "  --files1 DIR        the folder that holds model.NAM, in place of the "
                       "stored setting Files1\n\n"
                       "Start: the inputs start as the main view starts, from the model's "
                       "settings file (the stem\n"
                       "followed by .DFS), which every create or append writes anew: the next "
                       "run starts\n"
                       "from the inputs of the last one.\n"
                       "  --defaults          start from the main view's defaults; the settings "
                       "file is not read\n\n"
                       "Inputs, applied in this order after the start:\n";
    for (const InputField& field : inputFields()) {
        std::string left = "  " + field.batchUsage();
        left.resize(std::max<std::size_t>(left.size() + 2, 46), ' ');
        const std::string named = field.name().empty() ? "" : quotedName(field) + ": ";
        text += left + named + std::string(field.help) + "\n";
    }
    text += "\n  --overwrite" + std::string(33, ' ')
        + "answers Yes to \"Fatige Batch File Exist - Overwrite\"\n";
    text += "  --dry-run" + std::string(35, ' ')
        + "runs every check and builds every file in memory but writes none, not even\n"
        + std::string(46, ' ')
        + "the settings file; lists each file as new, same or changed against the folder\n";
    text += "\n" + scatterHelpText()
        + "\nExit status: 0 done, 1 the command stopped (a message says why), 2 usage error.\n";
    return text;
}

} // namespace quorin
