#include "batch/batchrun.h"

#include "batch/batchoptions.h"
#include "batch/reportrun.h"
#include "batch/scatterrun.h"
#include "batch/streamprompter.h"
#include "mainform/commands.h"
#include "mainform/runchanges.h"
#include "mainform/session.h"
#include "mainform/startup.h"

#include "quorin_version.h"

#include <iterator>

namespace quorin {

namespace {
const char* const kVersion = "quorin-batch " QUORIN_VERSION;
}

void tellFailure(const Failure& failure, std::ostream& err)
{
    if (!failure.message.empty())
        err << failure.message << '\n';
    else if (!failure.file.empty()) // a message box said what; this is where
        err << "File: " << failure.file << '\n';
}

int runBatch(const std::vector<std::string>& args, const SettingsStore& store, const Clock& clock,
    char decimalSymbol, const ReportRenderer& renderer, std::istream& in, std::ostream& out,
    std::ostream& err)
{
    const auto options = parseBatchOptions(args);
    if (!options) {
        err << "quorin-batch: " << options.error().message << ". Try 'quorin-batch --help'.\n";
        return 2;
    }
    if (options->command == BatchOptions::Command::Help) {
        out << batchHelpText();
        return 0;
    }
    if (options->command == BatchOptions::Command::Version) {
        out << kVersion << '\n';
        return 0;
    }

    StreamPrompter prompter(err, options->overwrite);
    StartupDirectories directories = readStartupDirectories(store, options->files1, std::nullopt);
    directories.modelStem = options->model;
    directories.readSettingsFile = !options->defaults;
    BatchOptions given = *options;
    if (const auto waves = given.values.find("waves");
        waves != given.values.end() && waves->second == "-")
        given.standardInput = std::string(std::istreambuf_iterator<char>(in), {});
    Session session;
    StartupResult start
        = startUp(directories, session.setup, session.waves, prompter, decimalSymbol);
    DiskFiles files;
    if (options->command == BatchOptions::Command::Scatter)
        return runScatter(options->scatter, session, prompter, files, decimalSymbol, out, err);
    if (auto applied = applyBatchOptions(given, start.inputs, session, prompter, decimalSymbol);
        !applied) {
        // Refused default waves have been told: the command stops.
        if (applied.error().message.empty())
            return 1;
        err << "quorin-batch: " << applied.error().message << ". Try 'quorin-batch --help'.\n";
        return 2;
    }

    if (options->command == BatchOptions::Command::Report)
        return runReport(
            *options->out, start.inputs, session, files, clock, decimalSymbol, renderer, out, err);

    ComparingFiles dryRun(files, ComparingFiles::Mode::DryRun);
    const CommandContext context { prompter,
        options->dryRun ? static_cast<FileLayer&>(dryRun) : files, clock, decimalSymbol };
    const auto written = options->command == BatchOptions::Command::Create
        ? createCommand(start.inputs, session.waves, session.setup, context)
        : appendCommand(start.inputs, session.waves, session.setup, context);
    if (written) {
        out << (options->dryRun ? dryRunReport(changesOf(dryRun)) : *written + '\n');
        return 0;
    }
    tellFailure(written.error(), err);
    return 1;
}

} // namespace quorin
