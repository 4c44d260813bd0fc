#include "mainform/commands.h"

#include "common/linewriter.h"
#include "common/numberforms.h"
#include "common/numberreading.h"
#include "common/textfile.h"
#include "mainform/commandchecks.h"
#include "mainform/directions.h"
#include "mainform/settingsfile.h"
#include "writers/batchwriter.h"

#include <filesystem>

namespace quorin {

namespace {

enum class Kind { Create, Append };

// Steps 3 to 5: the texts of the inputs, the wave count and the group choice.
void CopyInputs(const MainInputs& in, const GridModel& waves, RunSetup& setup, char decimal)
{
    setup.StartDirText = in.startDirection;
    setup.WaveStepsText = in.waveSteps;
    setup.LoadCaseStartText = in.loadCaseStart;
    setup.DepthText = in.waterDepth;
    setup.StressPointsText = in.stressPoints;
    setup.BatchFileName = in.batchFile;
    setup.DampingText = in.damping;
    setup.FreqCaseText = in.frequencyCase;
    setup.ScfCorrelationText = in.scfCorrelation;
    setup.GroupSetNoText = in.groupSet;
    setup.GroupNoText = in.groupNo;
    setup.OutputIdStart = toInt16Strict(in.selectiveOutputId, decimal).value_or(0);
    int count = 0;
    for (int r = 1; r < waves.rows() && count < 100; ++r)
        if (readLenient(waves.text(r, 1)) > 0)
            ++count;
    setup.NoOfWaves = static_cast<std::int16_t>(count);
    setup.NodeGroup = in.elementGroup ? 0 : 1;
    // These two follow their controls at every click; taking them again
    // here keeps them true to the inputs whoever filled them.
    setup.ExcludeStaticImprovement = in.excludeStaticImprovement ? 1 : 0;
    setup.SpectrumType = plainForm(in.spectrum, Precision::Double);
}

// Steps 7 to 12: joints, directions, waves, and the settings file.
SettingsFile TakeRunValues(
    const MainInputs& in, const GridModel& waves, RunSetup& setup, char decimal)
{
    setup.TubularJoints = in.global.tubularJoints ? 1 : 0;
    setup.MemberJoints = in.global.memberJoints ? 1 : 0;
    const double startDirection = *toDoubleStrict(in.startDirection, decimal);
    SetDirections(setup, in.directionOption, startDirection);

    SettingsFile saved;
    saved.noOfDirections = setup.NoOfDirections;
    saved.startDirection = startDirection;
    for (int i = 1; i <= setup.NoOfWaves; ++i) {
        setup.WaveHeight[i] = toSingle(readLenient(waves.text(i, 1)));
        setup.WavePeriod[i] = toSingle(readLenient(waves.text(i, 2)));
        setup.WaveTheory[i] = toSingle(readLenient(waves.text(i, 3)));
        saved.waves.push_back({ setup.WaveHeight[i], setup.WavePeriod[i], setup.WaveTheory[i] });
    }
    saved.waveSteps = in.waveSteps;
    saved.loadCaseStart = in.loadCaseStart;
    saved.waterDepth = *toDoubleStrict(in.waterDepth, decimal);
    saved.stressPoints = in.stressPoints;
    saved.excludeStaticImprovement = setup.ExcludeStaticImprovement;
    saved.spectrumType = setup.SpectrumType;
    saved.frequencyCase = in.frequencyCase;
    saved.damping = in.damping;
    saved.scfCorrelation = in.scfCorrelation;
    return saved;
}

void TakeFrame(const AssessmentFrame& frame, RunSetup& setup, char decimal)
{
    setup.MemberScfText = frame.scf;
    setup.Thickness = *toSingleStrict(frame.thickness, decimal);
    setup.VMStress = frame.vmStress ? 1 : 0;
}

std::string Plural(int count, const char* one, const char* many)
{
    return plainForm(count, Precision::Double) + " " + (count == 1 ? one : many);
}

CommandOutcome Report(const WriterResult& result, const std::string& batchFile, Kind kind)
{
    if (result.failed)
        return { CommandOutcome::Status::Failed,
            "Could not write " + result.failedFile + ": " + result.reason
                + ". The files written before it are kept." };
    const std::string name = std::filesystem::path(batchFile).filename().string();
    if (kind == Kind::Append)
        return { CommandOutcome::Status::Done, "Appended the selective assessment to " + name };
    return { CommandOutcome::Status::Done,
        "Wrote " + Plural(result.loadDataFiles, "load data file", "load data files") + ", "
            + Plural(result.waveStepFiles, "wave step file", "wave step files") + ", "
            + Plural(result.combinationFiles, "combination file", "combination files") + " and "
            + name };
}

CommandOutcome Run(Kind kind, const MainInputs& in, const GridModel& waves, RunSetup& setup,
    CommandContext context)
{
    const char decimal = context.decimalSymbol;
    if (kind == Kind::Create && fileExists(in.batchFile)
        && context.prompter.ask("Fatige Batch File Exist - Overwrite", Prompter::Buttons::YesNo)
            != Prompter::Answer::Yes)
        return { CommandOutcome::Status::Stopped, "The batch file was left as it was." };

    const auto refused
        = kind == Kind::Create ? CheckCreateInputs(in, decimal) : CheckAppendInputs(in, decimal);
    if (refused) {
        context.prompter.tell(*refused, Prompter::Icon::Critical);
        return { CommandOutcome::Status::Stopped, {} };
    }

    CopyInputs(in, waves, setup, decimal);
    if (!fileExists(setup.ModelName + ".WAV")) {
        context.prompter.tell("WAV Data does not exist");
        return { CommandOutcome::Status::Stopped, {} };
    }

    const SettingsFile saved = TakeRunValues(in, waves, setup, decimal);
    const std::string settingsPath = setup.ModelName + ".DFS";
    try {
        LineWriter out(settingsPath, LineWriter::Mode::Create);
        WriteSettingsFile(out, saved);
        out.close();
    } catch (const WriteError& error) {
        return { CommandOutcome::Status::Failed,
            "Could not write " + error.file() + ": " + error.reason()
                + ". No other file was written." };
    }

    BatchWriter writer(setup, in, context.clock, decimal);
    if (kind == Kind::Append) {
        TakeFrame(in.selective, setup, decimal);
        setup.TubularJoints = in.selective.tubularJoints ? 1 : 0;
        setup.MemberJoints = in.selective.memberJoints ? 1 : 0;
        return Report(writer.AppendSelective(), setup.BatchFileName, kind);
    }
    TakeFrame(in.global, setup, decimal);
    if (setup.FreqCaseText == "-")
        return Report(writer.WriteStaticOnly(), setup.BatchFileName, kind);
    if (setup.ExcludeStaticImprovement != 0)
        return Report(writer.WriteDynamicOnly(), setup.BatchFileName, kind);
    return Report(writer.WriteDynamicStatic(), setup.BatchFileName, kind);
}

} // namespace

CommandOutcome CreateCommand(
    const MainInputs& inputs, const GridModel& waves, RunSetup& setup, CommandContext context)
{
    return Run(Kind::Create, inputs, waves, setup, context);
}

CommandOutcome AppendCommand(
    const MainInputs& inputs, const GridModel& waves, RunSetup& setup, CommandContext context)
{
    return Run(Kind::Append, inputs, waves, setup, context);
}

} // namespace quorin
