#include "mainform/commands.h"

#include "common/numberforms.h"
#include "common/numberreading.h"
#include "common/textfile.h"
#include "mainform/commandchecks.h"
#include "mainform/controlfilekind.h"
#include "run/directions.h"
#include "run/settingsfile.h"
#include "writers/batchwriter.h"

#include <filesystem>

namespace quorin {

namespace {

enum class Kind { Create, Append };

// Steps 3 to 5: the texts of the inputs, the wave count and the group choice.
void copyInputs(const MainInputs& in, const GridModel& waves, RunSetup& setup, char decimal)
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
    setup.NoOfWaves = static_cast<std::int16_t>(countWaves(waves));
    setup.NodeGroup = in.groupOption == 0 ? 0 : 1;
    // These two follow their controls at every click; taking them again
    // here keeps them true to the inputs whoever filled them.
    setup.ExcludeStaticImprovement = in.excludeStaticImprovement ? 1 : 0;
    setup.SpectrumType = plainForm(in.spectrum, Precision::Double);
}

// Steps 7 to 12: joints, directions, waves, and the settings file.
SettingsFile takeRunValues(
    const MainInputs& in, const GridModel& waves, RunSetup& setup, char decimal)
{
    setup.TubularJoints = in.global.tubularJoints ? 1 : 0;
    setup.MemberJoints = in.global.memberJoints ? 1 : 0;
    const double startDirection = *toDoubleStrict(in.startDirection, decimal);
    setDirections(setup, in.directionOption, startDirection);

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

// Step 13: the active frame's values.
FormTexts takeFrame(
    const MainInputs& in, const AssessmentFrame& frame, RunSetup& setup, char decimal)
{
    setup.MemberScfText = frame.scf;
    setup.Thickness = *toSingleStrict(frame.thickness, decimal);
    setup.VMStress = frame.vmStress ? 1 : 0;
    setup.TubularJoints = frame.tubularJoints ? 1 : 0;
    setup.MemberJoints = frame.memberJoints ? 1 : 0;
    return { frame.tubularCurve, frame.memberCurve, in.globalOutputId, in.description };
}

std::string plural(int count, const char* one, const char* many)
{
    return plainForm(count, Precision::Double) + " " + (count == 1 ? one : many);
}

Result<std::string> report(
    const Result<FilesWritten>& written, const std::string& batchFile, Kind kind)
{
    if (!written) {
        const Failure& failure = written.error();
        if (failure.file.empty())
            return std::unexpected(failure);
        return fail("Could not write " + failure.file + ": " + failure.message
                + ". The files written before it are kept.",
            failure.file);
    }
    const std::string name = std::filesystem::path(batchFile).filename().string();
    if (kind == Kind::Append)
        return "Appended the selective assessment to " + name;
    return "Wrote " + plural(written->loadDataFiles, "load data file", "load data files") + ", "
        + plural(written->waveStepFiles, "wave step file", "wave step files") + ", "
        + plural(written->combinationFiles, "combination file", "combination files") + " and "
        + name;
}

// A refusal the user is told of in a message box.
std::unexpected<Failure> told(Prompter& prompter, Failure failure, Prompter::Icon icon)
{
    prompter.tell(failure.message, icon);
    failure.message.clear();
    return std::unexpected(std::move(failure));
}

Result<std::string> run(Kind kind, const MainInputs& in, const GridModel& waves, RunSetup& setup,
    CommandContext context)
{
    const char decimal = context.decimalSymbol;
    if (kind == Kind::Create && fileExists(in.batchFile)
        && context.prompter.ask("Fatige Batch File Exist - Overwrite", Prompter::Buttons::YesNo)
            != Prompter::Answer::Yes)
        return fail("The batch file was left as it was.");

    const int directions = directionCountFor(in.directionOption, setup.NoOfDirections);
    if (kind == Kind::Create) {
        if (auto checked = checkCreateInputs(in, waves, directions, decimal); !checked)
            return told(context.prompter, checked.error(), Prompter::Icon::Critical);
    } else if (auto checked = checkAppendInputs(in, waves, decimal); !checked) {
        return told(context.prompter, checked.error(), Prompter::Icon::Critical);
    }

    copyInputs(in, waves, setup, decimal);
    if (!fileExists(setup.ModelName + ".WAV"))
        return told(context.prompter, { "WAV Data does not exist", setup.ModelName + ".WAV" },
            Prompter::Icon::None);

    const SettingsFile saved = takeRunValues(in, waves, setup, decimal);
    if (auto written = saveSettingsFile(context.files, setup.ModelName + ".DFS", saved); !written) {
        const Failure& failure = written.error();
        return fail("Could not write " + failure.file + ": " + failure.message
                + ". No other file was written.",
            failure.file);
    }

    if (kind == Kind::Append) {
        BatchWriter writer(setup, takeFrame(in, in.selective, setup, decimal), context.files,
            context.clock, decimal);
        return report(writer.AppendSelective(), setup.BatchFileName, kind);
    }
    // Create takes the joint boxes of "Global Assessments" in step 8 already.
    BatchWriter writer(
        setup, takeFrame(in, in.global, setup, decimal), context.files, context.clock, decimal);
    switch (controlFileKind(setup.FreqCaseText, setup.ExcludeStaticImprovement != 0)) {
    case ControlFileKind::StaticOnly:
        return report(writer.WriteStaticOnly(), setup.BatchFileName, kind);
    case ControlFileKind::DynamicOnly:
        return report(writer.WriteDynamicOnly(), setup.BatchFileName, kind);
    case ControlFileKind::DynamicStatic:
        break;
    }
    return report(writer.WriteDynamicStatic(), setup.BatchFileName, kind);
}

} // namespace

int countWaves(const GridModel& waves)
{
    int count = 0;
    for (int r = 1; r < waves.rows() && count < 100; ++r)
        if (readLenient(waves.text(r, 1)) > 0)
            ++count;
    return count;
}

Result<std::string> createCommand(
    const MainInputs& inputs, const GridModel& waves, RunSetup& setup, CommandContext context)
{
    return run(Kind::Create, inputs, waves, setup, context);
}

Result<std::string> appendCommand(
    const MainInputs& inputs, const GridModel& waves, RunSetup& setup, CommandContext context)
{
    return run(Kind::Append, inputs, waves, setup, context);
}

} // namespace quorin
