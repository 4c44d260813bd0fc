#include "mainform/commandmodel.h"
#include "support/faultyfiles.h"
#include "support/nothinglost.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace quorin {
namespace {

using test::FaultyFiles;
using test::Files;

void restore(const test::TempDir& dir, const Files& files)
{
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        std::filesystem::remove_all(entry.path());
    for (const auto& [name, bytes] : files)
        dir.write(name, bytes);
}

// Two directions of three waves; each command once on the disk as it was
// before (its files are "before"), once whole with other inputs ("whole"),
// then again with the k-th file open, then the k-th write, failing for every
// k up to those the whole run made.
TEST(WriteFaults, EveryFailureNamesItsFileAndLosesNoOldFile)
{
    // Each kind of run: its name, whether it appends, and what makes it that kind.
    const std::tuple<const char*, bool, void (*)(MainInputs&)> runs[] = {
        { "static only", false, [](MainInputs& in) { in.frequencyCase = "-"; } },
        { "dynamic with static improvement", false, [](MainInputs&) {} },
        { "dynamic only", false, [](MainInputs& in) { in.excludeStaticImprovement = true; } },
        { "append", true, [](MainInputs& in) { in.selective.tubularJoints = true; } },
    };
    for (const auto& [name, append, kind] : runs) {
        test::CommandModel m("9.5\t12\t2\r1.25\t4.5\t1\r3\t7\t1");
        m.inputs.directionOption = 1;
        ASSERT_TRUE(m.run());
        const Files before = m.dir.files();
        kind(m.inputs);
        m.inputs.damping = "7";
        m.inputs.waveSteps = "11";
        FaultyFiles counting;
        ASSERT_TRUE(m.run(append, counting)) << name;
        const Files whole = m.dir.files();

        for (const bool atWrite : { false, true }) {
            const int count = atWrite ? counting.writes : static_cast<int>(counting.opened.size());
            for (int k = 1; k <= count; ++k) {
                const std::string trace
                    = std::string(name) + (atWrite ? ", write " : ", open ") + std::to_string(k);
                restore(m.dir, before);
                FaultyFiles faulty;
                (atWrite ? faulty.failWrite : faulty.failOpen) = k;
                const auto result = m.run(append, faulty);
                ASSERT_FALSE(result.has_value()) << trace;
                const std::string& failed = result.error().file;
                EXPECT_NE(result.error().message.find(failed + ": No space left on device"),
                    std::string::npos)
                    << trace << ": " << result.error().message;
                EXPECT_EQ(faulty.openNow, 0) << trace;
                test::expectNothingLost(before, whole, m.dir.files(), failed, trace);
            }
        }
    }
}

} // namespace
} // namespace quorin
