#include "batch/scatteroptions.h"

namespace quorin {

Result<bool> takeScatterOption(const std::string& name,
    const std::optional<std::string>& inlineValue, const std::vector<std::string>& args,
    std::size_t& i, ScatterOptions& options)
{
    if (name == "steepness") {
        if (inlineValue)
            return fail("the option --steepness takes no value");
        options.steepness = true;
        return true;
    }
    std::optional<std::string>* target = name == "import" ? &options.importFile
        : name == "scaling"                               ? &options.scaling
        : name == "years"                                 ? &options.years
                                                          : nullptr;
    if (!target)
        return false;
    if (inlineValue)
        *target = *inlineValue;
    else if (i + 1 < args.size())
        *target = args[++i];
    else
        return fail("the option --" + name + " needs a value");
    return true;
}

Result<void> checkScatterOptions(const ScatterOptions& options)
{
    if (!options.direction)
        return fail("scatter needs the DIRECTION whose diagram it works on");
    if (options.steepness && options.importFile)
        return fail("the option --steepness does not go with --import");
    if ((options.scaling || options.years) && !options.importFile)
        return fail("the options --scaling and --years go with --import only");
    return {};
}

std::string scatterHelpText()
{
    return "Scatter diagrams (the file is the model stem, \".DBS\" and DIRECTION):\n"
           "  scatter DIRECTION [--steepness]   prints the diagram as the editor's Open shows "
           "it (as with\n"
           "                                    \"Ste\" checked for --steepness): rows 0 to 25, "
           "cells joined\n"
           "                                    by TAB, then the totals line\n"
           "  scatter DIRECTION --import FILE   pastes FILE's text (TAB between cells, a line "
           "per row) into\n"
           "                                    a fresh diagram and saves it\n"
           "  --scaling TEXT                    \"Diagram Scaling Factor\" of the import "
           "(default 1)\n"
           "  --years TEXT                      \"Period (Yrs)\" of the import (default 1)\n"
           "  --overwrite                       answers Yes to \"Overwrite existing data\"\n";
}

} // namespace quorin
