#include "writers/batchwriter.h"

#include "common/linewriter.h"
#include "run/directions.h"
#include "run/runnumbers.h"
#include "writers/assessments.h"
#include "writers/combinationfile.h"
#include "writers/runvalues.h"
#include "writers/waveblocks.h"
#include "writers/wavefiles.h"

#include <string>

namespace quorin {

using namespace writers;

namespace {

// Runs one writer under its trap: the first file that fails ends it, and the
// failure names that file and the reason. The file open at that moment is
// closed as its writer goes out of scope.
template <typename Body> Result<FilesWritten> trapped(Body&& body)
{
    FilesWritten done;
    try {
        body(done);
    } catch (const WriteError& error) {
        return fail(error.reason(), error.file());
    }
    return done;
}

// The numbers of a Create run; DirectionCount is set first.
Result<RunNumbers> createNumbers(RunSetup& setup, const FormTexts& form, char decimalSymbol)
{
    setup.DirectionCount = directionCountOf(setup.NoOfDirections);
    return deriveRunNumbers(
        { setup.WaveStepsText, setup.LoadCaseStartText, setup.DepthText, setup.DampingText,
            setup.FreqCaseText != "-", form.globalOutputId,
            setup.TubularJoints + setup.MemberJoints, setup.NoOfWaves, setup.DirectionCount },
        decimalSymbol);
}

// The wave files and the static combination file every Create writes first.
void writeRunFiles(FileLayer& files, const RunSetup& setup, const RunNumbers& numbers,
    const Clock& clock, char decimalSymbol, FilesWritten& done)
{
    writeWaveFiles(files, setup, numbers.waterDepth, clock, decimalSymbol, done);
    writeCombinationFile(files, setup.ModelName + ".C" + setup.LoadCaseStartText,
        numbers.staticFirstCase, numbers.StepCount, kStaticRunTitle, decimalSymbol);
    ++done.combinationFiles;
}

// A dynamic run's combination file, named by the combination before its cases.
void writeDynamicCombination(FileLayer& files, const RunSetup& setup, int base, int steps,
    std::string_view title, char decimalSymbol, FilesWritten& done)
{
    writeCombinationFile(
        files, setup.ModelName + ".C" + whole(base), base + 1, steps, title, decimalSymbol);
    ++done.combinationFiles;
}

} // namespace

BatchWriter::BatchWriter(
    RunSetup& setup, FormTexts form, FileLayer& files, const Clock& clock, char decimalSymbol)
    : setup_(setup)
    , form_(std::move(form))
    , files_(files)
    , clock_(clock)
    , decimal_(decimalSymbol)
{
}

Result<FilesWritten> BatchWriter::WriteStaticOnly()
{
    const auto numbers = createNumbers(setup_, form_, decimal_);
    if (!numbers)
        return std::unexpected(numbers.error());
    return trapped([&](FilesWritten& done) {
        writeRunFiles(files_, setup_, *numbers, clock_, decimal_, done);

        LineWriter out(files_, setup_.BatchFileName, LineWriter::Mode::Replace);
        forEachWave(setup_, [&](const WaveSlot& slot) {
            writeWaveHeader(out, slot, decimal_);
            writeStaticRun(out, setup_, slot, *numbers);
            out.line("---Stress ranges using static improvement");
            writeStressRanges(out, setup_, slot, "ST1/ST1/ST1/", "ST2/ST2/ST2/");
        });
        writeGlobalAssessments(out, setup_, form_, numbers->globalOutputId, decimal_);
        out.close();
    });
}

Result<FilesWritten> BatchWriter::WriteDynamicStatic()
{
    return writeDynamic(true);
}

Result<FilesWritten> BatchWriter::WriteDynamicOnly()
{
    return writeDynamic(false);
}

Result<FilesWritten> BatchWriter::writeDynamic(bool withStaticImprovement)
{
    const auto numbers = createNumbers(setup_, form_, decimal_);
    if (!numbers)
        return std::unexpected(numbers.error());
    return trapped([&](FilesWritten& done) {
        const RunNumbers& n = *numbers;
        writeRunFiles(files_, setup_, n, clock_, decimal_, done);
        writeDynamicCombination(
            files_, setup_, n.DynamicBase, n.StepCount, kWaveFrequencyRunTitle, decimal_, done);
        writeDynamicCombination(
            files_, setup_, n.ZeroBase, n.StepCount, kZeroFrequencyRunTitle, decimal_, done);
        const std::string dampingRatio = dampingRatioOf(setup_, decimal_);

        LineWriter out(files_, setup_.BatchFileName, LineWriter::Mode::Replace);
        forEachWave(setup_, [&](const WaveSlot& slot) {
            writeWaveHeader(out, slot, decimal_);
            writeDynamicResponse(out, setup_, n, dampingRatio, withStaticImprovement);
            writeDynamicRun(out, setup_, slot, waveFrequencyRun(n), n.StepCount);
            if (withStaticImprovement) {
                writeDynamicRun(out, setup_, slot, zeroFrequencyRun(n), n.StepCount);
                writeStaticRun(out, setup_, slot, n);
                out.line("---Stress ranges using static improvement");
                writeStressRanges(out, setup_, slot, "SW1/S01/ST1/", "SW2/S02/ST2/");
            } else {
                writeStressRanges(out, setup_, slot, "SW1/SW1/SW1/", "SW2/SW2/SW2/");
            }
        });
        writeGlobalAssessments(out, setup_, form_, n.globalOutputId, decimal_);
        out.close();
    });
}

Result<FilesWritten> BatchWriter::AppendSelective()
{
    setup_.DirectionCount = directionCountOf(setup_.NoOfDirections);
    const auto ids = checkSelectiveOutputIds(whole(setup_.OutputIdStart), setup_.OutputIdStart,
        setup_.TubularJoints + setup_.MemberJoints);
    if (!ids)
        return std::unexpected(ids.error());
    return trapped([&](FilesWritten&) {
        LineWriter out(files_, setup_.BatchFileName, LineWriter::Mode::Append);
        writeSelectiveAssessment(out, setup_, form_, decimal_);
        out.close();
    });
}

} // namespace quorin
