#include "batch/batchrun.h"

#include "batch/batchoptions.h"
#include "batch/streamprompter.h"
#include "mainform/commands.h"
#include "mainform/startup.h"
#include "wavetable/wavegrid.h"

namespace quorin {

namespace {
const char* const kVersion = "quorin-batch 0.1.0";
}

int RunBatch(const std::vector<std::string>& args, const SettingsStore& store, const Clock& clock,
    char decimalSymbol, std::ostream& out, std::ostream& err)
{
    std::string problem;
    const auto options = ParseBatchOptions(args, problem);
    if (!options) {
        err << "quorin-batch: " << problem << ". Try 'quorin-batch --help'.\n";
        return 2;
    }
    if (options->command == BatchOptions::Command::Help) {
        out << BatchHelpText();
        return 0;
    }
    if (options->command == BatchOptions::Command::Version) {
        out << kVersion << '\n';
        return 0;
    }

    StreamPrompter prompter(err, options->overwrite);
    StartupDirectories directories = ReadStartupDirectories(store, options->files1, std::nullopt);
    directories.modelStem = options->model;
    RunSetup setup;
    GridModel waves(kWaveGridRows, kWaveGridCols);
    StartupResult start = StartUp(directories, setup, waves, prompter, decimalSymbol);
    if (auto bad = ApplyBatchOptions(*options, start.inputs, setup, waves)) {
        err << "quorin-batch: " << *bad << ". Try 'quorin-batch --help'.\n";
        return 2;
    }

    const CommandContext context { prompter, clock, decimalSymbol };
    const CommandOutcome outcome = options->command == BatchOptions::Command::Create
        ? CreateCommand(start.inputs, waves, setup, context)
        : AppendCommand(start.inputs, waves, setup, context);
    switch (outcome.status) {
    case CommandOutcome::Status::Done:
        out << outcome.report << '\n';
        return 0;
    case CommandOutcome::Status::Failed:
        err << outcome.report << '\n';
        return 1;
    case CommandOutcome::Status::Stopped:
        if (!outcome.report.empty())
            err << outcome.report << '\n';
        return 1;
    }
    return 1;
}

} // namespace quorin
