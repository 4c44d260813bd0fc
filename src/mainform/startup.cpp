#include "mainform/startup.h"

#include "common/listinput.h"
#include "common/numberforms.h"
#include "common/numberreading.h"
#include "common/textfile.h"
#include "mainform/clickrules.h"
#include "mainform/settingsfile.h"
#include "wavetable/wavegrid.h"

#include <cmath>

namespace quorin {

namespace {

const char* const kApplication = "Velmar";
const char* const kSection = "Setup";

// The option of "Number of Directions" a saved direction code selects;
// any code without an option of its own (14 among them) leaves "4".
int DirectionOptionForCode(int code)
{
    switch (code) {
    case 1:
        return 0;
    case 2:
        return 1;
    case 3:
        return 2;
    case 4:
        return 4;
    case 6:
        return 5;
    case 8:
        return 6;
    case 12:
        return 7;
    default:
        return 3;
    }
}

// Reads the model stem and the third field of model.NAM; tells the user
// and leaves the model name empty when the file cannot serve.
void ReadModelNameFile(const std::string& files1, RunSetup& setup, Prompter& prompter)
{
    const std::string path = joinPath(files1, "model.NAM");
    const auto content = readWholeFile(path);
    std::string problem;
    if (!content) {
        problem = "it does not exist or cannot be read";
    } else {
        ListInput in(*content);
        auto stem = in.readText();
        auto second = in.readText();
        auto third = in.readText();
        if (stem && second && third) {
            setup.ModelName = *stem;
            setup.NamField3 = *third;
            return;
        }
        problem = "it holds fewer than three fields";
    }
    setup.ModelName.clear();
    prompter.tell("The model name file " + path + " cannot be used: " + problem
            + ".\rQuorin opens without a model. Check the file, or the Files1 setting "
              "that names its folder, and start Quorin again.",
        Prompter::Icon::Critical);
}

void RestoreSettings(
    const SettingsFile& saved, MainInputs& inputs, RunSetup& setup, GridModel& waves, char decimal)
{
    setup.NoOfDirections = saved.noOfDirections;
    inputs.directionOption = DirectionOptionForCode(saved.noOfDirections);
    inputs.startDirection = textForm(saved.startDirection, Precision::Single, decimal);
    setup.NoOfWaves = static_cast<std::int16_t>(saved.waves.size());
    for (std::size_t i = 0; i < saved.waves.size(); ++i) {
        const int row = static_cast<int>(i) + 1;
        setup.WaveHeight[i + 1] = saved.waves[i][0];
        setup.WavePeriod[i + 1] = saved.waves[i][1];
        setup.WaveTheory[i + 1] = saved.waves[i][2];
        for (int col = 1; col <= 3; ++col)
            waves.setText(row, col,
                textForm(
                    saved.waves[i][static_cast<std::size_t>(col - 1)], Precision::Single, decimal));
    }
    inputs.waveSteps = setup.WaveStepsText = saved.waveSteps;
    inputs.loadCaseStart = setup.LoadCaseStartText = saved.loadCaseStart;
    inputs.waterDepth = textForm(saved.waterDepth, Precision::Single, decimal);
    inputs.stressPoints = setup.StressPointsText = saved.stressPoints;
    ClickExcludeStaticImprovement(inputs, setup, saved.excludeStaticImprovement != 0);
    ClickSpectrum(inputs, setup, static_cast<int>(std::nearbyint(readLenient(saved.spectrumType))));
    setup.Spare1 = saved.spare1;
    setup.Spare2 = saved.spare2;
    setup.Spare3 = saved.spare3;
    inputs.frequencyCase = setup.FreqCaseText = saved.frequencyCase;
    if (saved.frequencyCase == "-")
        ClickStaticOnly(inputs, setup, true);
    inputs.damping = setup.DampingText = saved.damping;
    setup.Spare4 = saved.spare4;
    inputs.scfCorrelation = setup.ScfCorrelationText = saved.scfCorrelation;
}

} // namespace

StartupDirectories ReadStartupDirectories(const SettingsStore& store,
    const std::optional<std::string>& files1Override,
    const std::optional<std::string>& files2Override)
{
    StartupDirectories directories;
    directories.files1
        = files1Override ? *files1Override : store.value(kApplication, kSection, "Files1");
    directories.files2
        = files2Override ? *files2Override : store.value(kApplication, kSection, "Files2");
    return directories;
}

std::string DecimalCommaWarning()
{
    return "This computer is using , symbol for the decimal symbol\r\r"
           "To run the fatig analysis the . symbol must be used for the decimal symbol\r\r"
           "This module may be used to create the run control files but then use the Windows\r"
           "Control Panel/Regional Settings/Number to change the decimal symbol from , to .";
}

StartupResult StartUp(const StartupDirectories& directories, RunSetup& setup, GridModel& waves,
    Prompter& prompter, char decimalSymbol)
{
    StartupResult result;
    MainInputs& inputs = result.inputs;
    setup.WaveSteepness = 22;
    result.helpFile = joinPath(directories.files2, "quorin_spec.chm");
    if (directories.modelStem)
        setup.ModelName = *directories.modelStem;
    else
        ReadModelNameFile(directories.files1, setup, prompter);

    if (decimalSymbol == ',')
        prompter.ask(DecimalCommaWarning(), Prompter::Buttons::OkCancel, Prompter::Icon::Critical);

    GridSetUp(waves);
    inputs.batchFile = setup.BatchFileName = setup.ModelName + ".BRSF";
    inputs.waterDepth = textForm(113.3, Precision::Double, decimalSymbol);
    setup.SpectrumType = "3";

    const std::string settingsPath = setup.ModelName + ".DFS";
    if (!fileExists(settingsPath))
        return result;
    std::string problem = "it cannot be read";
    const auto content = readWholeFile(settingsPath);
    const auto saved = content ? ParseSettingsFile(*content, problem) : std::nullopt;
    if (!saved) {
        prompter.tell("The settings file " + settingsPath + " cannot be used: " + problem
                + ".\rEvery input starts at its default; the next Create or Append writes the "
                  "file anew.",
            Prompter::Icon::Critical);
        return result;
    }
    RestoreSettings(*saved, inputs, setup, waves, decimalSymbol);
    return result;
}

} // namespace quorin
