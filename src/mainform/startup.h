#pragma once

#include "common/gridmodel.h"
#include "common/prompter.h"
#include "common/settingsstore.h"
#include "run/maininputs.h"
#include "run/runsetup.h"

#include <optional>
#include <string>

namespace quorin {

// The two directories start-up needs: "Files1" holds model.NAM, "Files2" the help file.
struct StartupDirectories {
    std::string files1;
    std::string files2;
    // A model stem given directly (quorin-batch --model): model.NAM is not read.
    std::optional<std::string> modelStem;
    // Whether the model's settings file restores the inputs (quorin-batch --defaults: not).
    bool readSettingsFile = true;
};

// The stored settings "Files1" and "Files2" of application "Velmar", section
// "Setup", each replaced by its override when one is given (--files1, --files2).
StartupDirectories readStartupDirectories(const SettingsStore& store,
    const std::optional<std::string>& files1Override,
    const std::optional<std::string>& files2Override);

struct StartupResult {
    MainInputs inputs; // what the view shows
    std::string helpFile; // the registered help file
    std::string where; // the model in use and where it was named, or why there is none
};

// The main view's load: model.NAM, the help file, the decimal-comma warning,
// GridSetUp, the batch file name, the depth, and the model's settings file.
// Every problem is told through the prompter; start-up always completes.
StartupResult startUp(const StartupDirectories& directories, RunSetup& setup, GridModel& waves,
    Prompter& prompter, char decimalSymbol);

// The decimal-comma warning, its lines joined by single CR characters.
std::string decimalCommaWarning();

} // namespace quorin
