// The model's settings file as start-up reads it: what start-up accepts, a
// command writes again, and the next start-up shows the same inputs.
#include "common/clock.h"
#include "fuzzsupport.h"
#include "mainform/commands.h"
#include "mainform/session.h"
#include "mainform/startup.h"

#include <filesystem>

using namespace quorin;

namespace {

class NoClock : public Clock {
public:
    std::string shortDate() const override { return "01/01/2026"; }
    std::string timeOfDay() const override { return "00:00:00"; }
};

struct Started {
    MainInputs inputs;
    Session session;
    int told = 0;
};

void startFrom(Started& run)
{
    fuzz::CountingPrompter prompter;
    run.inputs = startUp(
        { {}, {}, fuzz::workFile("M") }, run.session.setup, run.session.waves, prompter, '.')
                     .inputs;
    run.told = prompter.told;
}

bool allHeightsPositive(const RunSetup& setup)
{
    for (int i = 1; i <= setup.NoOfWaves; ++i)
        if (!(setup.WaveHeight[static_cast<std::size_t>(i)] > 0))
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::writeFile(fuzz::workFile("M.DFS"), fuzz::textOf(data, size));
    fuzz::writeFile(fuzz::workFile("M.WAV"), "");
    std::filesystem::remove(fuzz::workFile("M.BRSF"));

    Started first;
    startFrom(first);
    if (first.told != 0)
        return 0; // start-up named the file and kept the defaults

    // The command takes the waves with a height above 0, so the table comes
    // back whole when every saved wave has one.
    const bool wholeTable = allHeightsPositive(first.session.setup);
    fuzz::CountingPrompter prompter;
    const NoClock clock;
    DiskFiles files;
    const auto written = appendCommand(
        first.inputs, first.session.waves, first.session.setup, { prompter, files, clock, '.' });
    fuzz::require(written.has_value(), "a command takes the inputs start-up accepted");

    Started second;
    startFrom(second);
    fuzz::require(second.told == 0, "start-up accepts the file a command wrote");
    fuzz::require(second.inputs == first.inputs, "the inputs come back the same");
    if (wholeTable)
        for (int r = 1; r < first.session.waves.rows(); ++r)
            for (int c = 1; c <= 3; ++c)
                fuzz::require(second.session.waves.text(r, c) == first.session.waves.text(r, c),
                    "the waves come back the same");
    return 0;
}
