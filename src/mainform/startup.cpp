#include "mainform/startup.h"

#include "common/listinput.h"
#include "common/numberforms.h"
#include "common/numberreading.h"
#include "common/textfile.h"
#include "run/clickrules.h"
#include "run/directions.h"
#include "run/settingsfile.h"
#include "wavetable/wavegrid.h"

#include <cmath>

namespace quorin {

namespace {

const char* const kApplication = "Velmar";
const char* const kSection = "Setup";

// Reads the model stem and the third field of model.NAM; tells the user
// and leaves the model name empty when the file cannot serve. Gives the line
// that says which model is in use and where it came from, or why there is none.
std::string readModelNameFile(const std::string& files1, RunSetup& setup, Prompter& prompter)
{
    const std::string path = joinPath(files1, "model.NAM");
    const auto content = readWholeFile(path);
    std::string problem;
    if (!content) {
        problem = fileExists(path) ? "cannot be read" : "was not found";
    } else {
        ListInput in(*content);
        auto stem = in.readText();
        auto second = in.readText();
        auto third = in.readText();
        if (stem && second && third) {
            setup.ModelName = *stem;
            setup.NamField3 = *third;
            return "Model " + *stem + ", named in " + path;
        }
        problem = "holds fewer than three fields";
    }
    setup.ModelName.clear();
    prompter.tell("The model name file " + path + " " + problem
            + ".\rThere is no model until it names one: check the file, or the Files1 "
              "setting that names its folder (--files1 DIR on the command line).",
        Prompter::Icon::Critical);
    return "No model: " + path + " " + problem + "; start with --files1 DIR or set Files1";
}

void restoreSettings(
    const SettingsFile& saved, MainInputs& inputs, RunSetup& setup, GridModel& waves, char decimal)
{
    setup.NoOfDirections = saved.noOfDirections;
    inputs.directionOption = directionOptionForCode(saved.noOfDirections);
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
    clickExcludeStaticImprovement(inputs, setup, saved.excludeStaticImprovement != 0);
    clickSpectrum(inputs, setup, static_cast<int>(std::nearbyint(readLenient(saved.spectrumType))));
    setup.Spare1 = saved.spare1;
    setup.Spare2 = saved.spare2;
    setup.Spare3 = saved.spare3;
    inputs.frequencyCase = setup.FreqCaseText = saved.frequencyCase;
    if (saved.frequencyCase == "-")
        clickStaticOnly(inputs, setup, true);
    inputs.damping = setup.DampingText = saved.damping;
    setup.Spare4 = saved.spare4;
    inputs.scfCorrelation = setup.ScfCorrelationText = saved.scfCorrelation;
}

} // namespace

StartupDirectories readStartupDirectories(const SettingsStore& store,
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

std::string decimalCommaWarning()
{
    return "This computer is using , symbol for the decimal symbol\r\r"
           "To run the fatig analysis the . symbol must be used for the decimal symbol\r\r"
           "This module may be used to create the run control files but then use the Windows\r"
           "Control Panel/Regional Settings/Number to change the decimal symbol from , to .";
}

StartupResult startUp(const StartupDirectories& directories, RunSetup& setup, GridModel& waves,
    Prompter& prompter, char decimalSymbol)
{
    StartupResult result;
    MainInputs& inputs = result.inputs;
    setup.WaveSteepness = 22;
    result.helpFile = joinPath(directories.files2, "quorin_spec.chm");
    if (directories.modelStem) {
        setup.ModelName = *directories.modelStem;
        result.where = "Model " + setup.ModelName;
    } else {
        result.where = readModelNameFile(directories.files1, setup, prompter);
    }

    if (decimalSymbol == ',')
        prompter.ask(decimalCommaWarning(), Prompter::Buttons::OkCancel, Prompter::Icon::Critical);

    GridSetUp(waves);
    inputs.batchFile = setup.BatchFileName = setup.ModelName + ".BRSF";
    inputs.waterDepth = textForm(113.3, Precision::Double, decimalSymbol);
    setup.SpectrumType = "3";

    const std::string settingsPath = setup.ModelName + ".DFS";
    if (!directories.readSettingsFile || !fileExists(settingsPath))
        return result;
    const auto content = readWholeFile(settingsPath);
    const auto saved
        = content ? parseSettingsFile(*content) : fail("it cannot be read", settingsPath);
    if (!saved) {
        prompter.tell("The settings file " + settingsPath
                + " cannot be used: " + saved.error().message
                + ".\rEvery input starts at its default; the next Create or Append writes the "
                  "file anew.",
            Prompter::Icon::Critical);
        return result;
    }
    restoreSettings(*saved, inputs, setup, waves, decimalSymbol);
    return result;
}

} // namespace quorin
