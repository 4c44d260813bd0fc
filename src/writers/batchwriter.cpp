#include "writers/batchwriter.h"

#include "common/linewriter.h"
#include "writers/assessments.h"
#include "writers/combinationfile.h"
#include "writers/runvalues.h"
#include "writers/waveblocks.h"
#include "writers/wavefiles.h"

#include <string>

namespace quorin {

using namespace writers;

namespace {

// Runs one writer under its trap: the first failure ends it, and what it had
// finished is returned with the file and the reason. The file open at that
// moment is closed as its writer goes out of scope.
template <typename Body> WriterResult trapped(Body&& body)
{
    WriterResult done;
    try {
        body(done);
    } catch (const WriteError& error) {
        done.failed = true;
        done.failedFile = error.file();
        done.reason = error.reason();
    }
    return done;
}

// The wave files and the static combination file every Create writes first.
std::int16_t writeRunFiles(
    RunSetup& setup, const Clock& clock, char decimalSymbol, WriterResult& done)
{
    setup.DirectionCount = directionCountOf(setup.NoOfDirections);
    writeWaveFiles(setup, clock, decimalSymbol, done);

    const std::string name = setup.ModelName + ".C" + setup.LoadCaseStartText;
    const std::int16_t steps = stepCountOf(setup, name);
    writeCombinationFile(
        name, staticFirstCaseOf(setup, name), steps, kStaticRunTitle, decimalSymbol);
    ++done.combinationFiles;
    return steps;
}

// A dynamic run's combination file, named by the combination before its cases.
void writeDynamicCombination(const RunSetup& setup, std::int16_t base, std::int16_t steps,
    std::string_view title, char decimalSymbol, WriterResult& done)
{
    writeCombinationFile(
        setup.ModelName + ".C" + whole(base), base + 1LL, steps, title, decimalSymbol);
    ++done.combinationFiles;
}

} // namespace

BatchWriter::BatchWriter(
    RunSetup& setup, const MainInputs& form, const Clock& clock, char decimalSymbol)
    : setup_(setup)
    , form_(form)
    , clock_(clock)
    , decimal_(decimalSymbol)
{
}

WriterResult BatchWriter::WriteStaticOnly()
{
    return trapped([&](WriterResult& done) {
        const std::int16_t steps = writeRunFiles(setup_, clock_, decimal_, done);

        LineWriter out(setup_.BatchFileName, LineWriter::Mode::Create);
        forEachWave(setup_, out.path(), [&](const WaveSlot& slot) {
            writeWaveHeader(out, slot, decimal_);
            writeStaticRun(out, setup_, slot, steps, decimal_);
            out.line("---Stress ranges using static improvement");
            writeStressRanges(out, setup_, slot, "ST1/ST1/ST1/", "ST2/ST2/ST2/");
        });
        writeGlobalAssessments(out, setup_, form_, decimal_);
        out.close();
        done.controlFile = true;
    });
}

WriterResult BatchWriter::WriteDynamicStatic()
{
    return writeDynamic(true);
}

WriterResult BatchWriter::WriteDynamicOnly()
{
    return writeDynamic(false);
}

WriterResult BatchWriter::writeDynamic(bool withStaticImprovement)
{
    return trapped([&](WriterResult& done) {
        const int offset = caseOffsetOf(setup_);
        DynamicRun run;
        run.steps = writeRunFiles(setup_, clock_, decimal_, done);

        const std::string combinations = setup_.ModelName + ".C";
        run.base = combinationBaseOf(setup_, offset, combinations, "W=Wn combination");
        writeDynamicCombination(
            setup_, run.base, run.steps, kWaveFrequencyRunTitle, decimal_, done);
        run.zeroBase = combinationBaseOf(setup_, 2 * offset, combinations, "W=0 combination");
        writeDynamicCombination(
            setup_, run.zeroBase, run.steps, kZeroFrequencyRunTitle, decimal_, done);
        run.dampingRatio = dampingRatioOf(setup_, decimal_);

        LineWriter out(setup_.BatchFileName, LineWriter::Mode::Create);
        forEachWave(setup_, out.path(), [&](const WaveSlot& slot) {
            writeWaveHeader(out, slot, decimal_);
            writeDynamicResponse(out, setup_, run, withStaticImprovement, decimal_);
            writeDynamicRun(out, setup_, slot, waveFrequencyRun(run), run.steps);
            if (withStaticImprovement) {
                writeDynamicRun(out, setup_, slot, zeroFrequencyRun(run), run.steps);
                writeStaticRun(out, setup_, slot, run.steps, decimal_);
                out.line("---Stress ranges using static improvement");
                writeStressRanges(out, setup_, slot, "SW1/S01/ST1/", "SW2/S02/ST2/");
            } else {
                writeStressRanges(out, setup_, slot, "SW1/SW1/SW1/", "SW2/SW2/SW2/");
            }
        });
        writeGlobalAssessments(out, setup_, form_, decimal_);
        out.close();
        done.controlFile = true;
    });
}

WriterResult BatchWriter::AppendSelective()
{
    return trapped([&](WriterResult& done) {
        setup_.DirectionCount = directionCountOf(setup_.NoOfDirections);
        LineWriter out(setup_.BatchFileName, LineWriter::Mode::Append);
        writeSelectiveAssessment(out, setup_, form_, decimal_);
        out.close();
        done.controlFile = true;
    });
}

} // namespace quorin
