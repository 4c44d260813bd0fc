#pragma once

#include "common/result.h"

#include <optional>
#include <string>
#include <vector>

namespace quorin {

// The options of `quorin-batch scatter DIRECTION`: Open of the direction's
// diagram (with "Ste" checked for --steepness), or with --import a fresh
// editor whose body takes FILE's text as Paste would, then Save.
struct ScatterOptions {
    std::optional<std::string> direction; // as given; trimmed where the file is named
    bool steepness = false;
    std::optional<std::string> importFile;
    std::optional<std::string> scaling; // "Diagram Scaling Factor", "1" when not given
    std::optional<std::string> years; // "Period (Yrs)", "1" when not given

    bool any() const { return direction || steepness || importFile || scaling || years; }
};

// Takes the option `name` when it is one of scatter's (--steepness, --import,
// --scaling, --years), with its value from inlineValue or the next argument.
// Returns false when the option is not scatter's; fails when its value is missing.
Result<bool> takeScatterOption(const std::string& name,
    const std::optional<std::string>& inlineValue, const std::vector<std::string>& args,
    std::size_t& i, ScatterOptions& options);

// Checks the scatter options as a whole: the direction is given, --steepness
// is not combined with --import, and --scaling and --years come with --import.
Result<void> checkScatterOptions(const ScatterOptions& options);

// The lines of --help about scatter.
std::string scatterHelpText();

} // namespace quorin
