#include "writers/wavefiles.h"

#include "common/linewriter.h"
#include "common/numberforms.h"
#include "writers/runvalues.h"

#include <string>

namespace quorin::writers {

namespace {

constexpr std::string_view kLoadDataName = ".@F";
constexpr std::string_view kDateLabel = "Date:";
constexpr std::string_view kTimeLabel = "  Time:";

bool isRunTimeLine(std::string_view line)
{
    return line.starts_with(kDateLabel) && line.find(kTimeLabel) != std::string_view::npos;
}

void writeLoadData(FileLayer& files, const RunSetup& setup, double waterDepth, const Clock& clock,
    const WaveSlot& slot, const std::string& name)
{
    const auto wave = static_cast<std::size_t>(slot.wave);
    const float height = setup.WaveHeight[wave];
    const float period = setup.WavePeriod[wave];
    const float theory = setup.WaveTheory[wave];
    const float angle = setup.DirAngle[static_cast<std::size_t>(slot.direction)];

    LineWriter out(files, name, LineWriter::Mode::Create);
    out.line("");
    out.line("Velmar Stuctural & Pipework Analysis");
    out.line("");
    out.line("Ostrel - Dynamic Fluid Loading for Velmar");
    out.line("");
    out << kDateLabel << clock.shortDate() << kTimeLabel << clock.timeOfDay();
    out.endLine();
    out.line("");
    out.line("ENVIRONMENTAL LOAD DATA     Filename: " + name);
    out.line("");
    out.line("**** WATER  DEPTH *****");
    out.line("WDEPTH," + signedForm(waterDepth, Precision::Double));
    out.line("");
    out.line("**** WAVE DATA ****");
    out.line("Wave Theory");
    out.line("WTH," + signedForm(theory, Precision::Single));
    out.line(theory == 1 ? "Linear (Airy)" : "Stokes V Order");
    out.line("     Wave Height   Wave Period   Wave Direction");
    out << "WAVE,";
    out.tabTo(10) << signedForm(height, Precision::Single) << ",";
    out.tabTo(30) << signedForm(period, Precision::Single) << ",";
    out.tabTo(50) << signedForm(angle, Precision::Single);
    out.endLine();
    out.line("**** Generate Spectral Loads *****");
    out.line("SPECTL, 1");
    out.close();
}

void writeWaveStep(FileLayer& files, const RunSetup& setup, char decimalSymbol,
    const WaveSlot& slot, const std::string& name)
{
    const float period = setup.WavePeriod[static_cast<std::size_t>(slot.wave)];

    LineWriter out(files, name, LineWriter::Mode::Create);
    out.line(printForm(1, Precision::Double, decimalSymbol));
    out.line("MODEL.@F" + whole(slot.number));
    out.line("0," + plainForm(period, Precision::Single) + "," + setup.WaveStepsText);
    out.line(setup.LoadCaseStartText);
    out.close();
}

} // namespace

void writeWaveFiles(FileLayer& files, const RunSetup& setup, double waterDepth, const Clock& clock,
    char decimalSymbol, FilesWritten& done)
{
    const std::string loadData = setup.ModelName + std::string(kLoadDataName);
    forEachWave(setup, [&](const WaveSlot& slot) {
        writeLoadData(files, setup, waterDepth, clock, slot, loadData + whole(slot.number));
        ++done.loadDataFiles;
    });

    const std::string waveStep = setup.ModelName + ".BCWAVF";
    forEachWave(setup, [&](const WaveSlot& slot) {
        writeWaveStep(files, setup, decimalSymbol, slot, waveStep + whole(slot.number));
        ++done.waveStepFiles;
    });
}

bool onlyRunTimeDiffers(std::string_view path, std::string_view a, std::string_view b)
{
    const std::size_t folderEnd = path.find_last_of("/\\");
    const std::string_view name
        = folderEnd == std::string_view::npos ? path : path.substr(folderEnd + 1);
    return name.find(kLoadDataName) != std::string_view::npos && isRunTimeLine(a)
        && isRunTimeLine(b);
}

} // namespace quorin::writers
