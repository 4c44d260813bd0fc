#pragma once

#include "batch/scatteroptions.h"
#include "common/prompter.h"
#include "common/result.h"
#include "mainform/session.h"
#include "run/maininputs.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace quorin {

// quorin-batch's command line: the command, where the model comes from, and
// the inputs to set, kept by option name so that they apply in the order of
// the table of inputs whatever order they were given in.
struct BatchOptions {
    enum class Command { None, Create, Append, Scatter, Report, Help, Version };
    Command command = Command::None;
    std::optional<std::string> model;
    std::optional<std::string> files1;
    bool overwrite = false;
    bool defaults = false; // start from the view's defaults, not the model's settings file
    bool dryRun = false; // build every file in memory and say what would change; write nothing
    std::optional<std::string> out; // report: the report file, ending in .pdf or .html
    std::optional<std::string> standardInput; // what "--waves -" reads, once read
    std::map<std::string, std::string, std::less<>> values; // option name without "--" -> its text
    ScatterOptions scatter;
};

// Parses the arguments after the program name; a usage error fails with a
// one-line description.
Result<BatchOptions> parseBatchOptions(const std::vector<std::string>& args);

// Applies the input options to the inputs (and the session's wave table) as
// the view would: in the order of the table of inputs, click rules included,
// the messages of message boxes told through the prompter. Fails when an
// option cannot be applied: an unreadable wave file, or default waves the
// dialog's OK would refuse (told first; the failure's message is then empty).
Result<void> applyBatchOptions(const BatchOptions& options, MainInputs& inputs, Session& session,
    Prompter& prompter, char decimalSymbol);

// The text of --help.
std::string batchHelpText();

} // namespace quorin
