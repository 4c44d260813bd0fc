#pragma once

#include "common/gridmodel.h"
#include "mainform/maininputs.h"
#include "mainform/runsetup.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace quorin {

// quorin-batch's command line: the command, where the model comes from, and
// the inputs to set, kept by option name so that they apply in a fixed order
// whatever order they were given in.
struct BatchOptions {
    enum class Command { None, Create, Append, Help, Version };
    Command command = Command::None;
    std::optional<std::string> model;
    std::optional<std::string> files1;
    bool overwrite = false;
    std::map<std::string, std::string> values; // option name without "--" -> its text
};

// Parses the arguments after the program name; on a usage error returns
// std::nullopt and sets problem to a one-line description.
std::optional<BatchOptions> ParseBatchOptions(
    const std::vector<std::string>& args, std::string& problem);

// Applies the input options to the inputs (and the wave table) as the view
// would: in the order of the help text, click rules included. Returns a
// problem text when an option cannot be applied (an unreadable wave file).
std::optional<std::string> ApplyBatchOptions(
    const BatchOptions& options, MainInputs& inputs, RunSetup& setup, GridModel& waves);

// The text of --help.
std::string BatchHelpText();

} // namespace quorin
