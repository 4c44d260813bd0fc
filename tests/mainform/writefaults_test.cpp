#include "mainform/commandmodel.h"
#include "support/faultyfiles.h"
#include "support/nothinglost.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace quorin {
namespace {

// Two directions of three waves; each command once on the disk as it was
// before (its files are "before"), once whole with other inputs ("whole"),
// then again with the k-th file open, then the k-th write, failing for every
// k up to those the whole run made. Dynamic only is not run: it writes the
// same files, through the same writer, as the run with static improvement.
TEST(WriteFaults, EveryFailureNamesItsFileAndLosesNoOldFile)
{
    // Each kind of run: its name, whether it appends, and what makes it that kind.
    const std::tuple<const char*, bool, void (*)(MainInputs&)> runs[] = {
        { "static only", false, [](MainInputs& in) { in.frequencyCase = "-"; } },
        { "dynamic with static improvement", false, [](MainInputs&) {} },
        { "append", true, [](MainInputs& in) { in.selective.tubularJoints = true; } },
    };
    for (const auto& [name, append, kind] : runs) {
        test::CommandModel m("9.5\t12\t2\r1.25\t4.5\t1\r3\t7\t1");
        m.inputs.directionOption = 1;
        ASSERT_TRUE(m.run());
        const test::Files before = m.dir.files();
        kind(m.inputs);
        m.inputs.damping = "7";
        m.inputs.waveSteps = "11";
        test::FaultyFiles counting;
        ASSERT_TRUE(m.run(append, counting)) << name;
        const test::Files whole = m.dir.files();

        for (const bool atWrite : { false, true }) {
            const int count = atWrite ? counting.writes : static_cast<int>(counting.opened.size());
            for (int k = 1; k <= count; ++k) {
                const std::string trace
                    = std::string(name) + (atWrite ? ", write " : ", open ") + std::to_string(k);
                for (const auto& entry : std::filesystem::directory_iterator(m.dir.path()))
                    std::filesystem::remove_all(entry.path());
                for (const auto& [file, bytes] : before)
                    m.dir.write(file, bytes);
                test::FaultyFiles faulty;
                (atWrite ? faulty.failWrite : faulty.failOpen) = k;
                const auto result = m.run(append, faulty);
                ASSERT_FALSE(result.has_value()) << trace;
                const std::string& failed = result.error().file;
                EXPECT_TRUE(result.error().message.contains(failed + ": No space left on device"))
                    << trace << ": " << result.error().message;
                EXPECT_EQ(faulty.openNow, 0) << trace;
                test::expectNothingLost(before, whole, m.dir.files(), failed, trace);
            }
        }
    }
}

} // namespace
} // namespace quorin
