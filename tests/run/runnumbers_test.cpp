#include "run/runnumbers.h"

#include <gtest/gtest.h>

#include <functional>

namespace quorin {
namespace {

// Each number a writer writes stays in range, or the box that gives it is refused.
TEST(RunNumbers, RefuseTheBoxWhoseNumberCannotBeWritten)
{
    // What the case is, the change to the default inputs, and the box refused (nullptr: none).
    const std::tuple<const char*, std::function<void(RunTexts&)>, const char*> cases[] = {
        { "start not a number", [](RunTexts& t) { t.loadCaseStart = "7O"; }, "txtSTART(0)" },
        { "steps beyond 16 bits", [](RunTexts& t) { t.waveSteps = "32767.5"; }, "txtWAVESTEP" },
        { "steps read leniently", [](RunTexts& t) { t.waveSteps = "12 steps"; }, nullptr },
        { "last static case 32767",
            [](RunTexts& t) { t.loadCaseStart = "32756", t.dynamic = false; }, nullptr },
        { "last static case 32768",
            [](RunTexts& t) { t.loadCaseStart = "32757", t.dynamic = false; }, "txtSTART(0)" },
        { "last W=0 case 32767", [](RunTexts& t) { t.loadCaseStart = "32715"; }, nullptr },
        { "last W=0 case 32768", [](RunTexts& t) { t.loadCaseStart = "32716"; }, "txtSTART(0)" },
        // No wave steps: the W=0 run still names ZeroBase + 1 (one more is refused: the
        // dynamic writer's refusal in the writer tests; so is a depth that is no number).
        { "no steps, first W=0 case 32767",
            [](RunTexts& t) { t.waveSteps = "0", t.loadCaseStart = "32726"; }, nullptr },
        { "negative steps reach below -32768",
            [](RunTexts& t) { t.waveSteps = "-5", t.loadCaseStart = "-32763"; }, "txtSTART(0)" },
        { "damping beyond every range", [](RunTexts& t) { t.damping = "1e400"; }, "txtBLOCKS" },
        { "global ids end at 2147483647", [](RunTexts& t) { t.globalOutputId = "2147483645"; },
            nullptr },
        { "global ids beyond 32 bits", [](RunTexts& t) { t.globalOutputId = "2147483646"; },
            "txtSTART(1)" },
        { "more than 100 waves", [](RunTexts& t) { t.waves = 101; }, "" },
    };
    for (const auto& [name, change, refused] : cases) {
        SCOPED_TRACE(name);
        // The default inputs of a dynamic run: 12 steps from case 70, two waves in
        // two directions, both joint boxes of "Global Assessments" ticked.
        RunTexts texts { "12", "70", "113.3", "5", true, "200", 2, 2, 2 };
        change(texts);
        const auto n = deriveRunNumbers(texts, '.');
        if (refused)
            EXPECT_EQ(n ? "written" : n.error().field, refused);
        else
            EXPECT_TRUE(n.has_value()) << n.error().message;
    }
}

TEST(RunNumbers, SelectiveOutputIdsEndAt32767)
{
    EXPECT_TRUE(checkSelectiveOutputIds("32765", 32765, 2).has_value());
    EXPECT_EQ(checkSelectiveOutputIds("32766", 32766, 2),
        fail("The box \"Output ID Number (Start)\" of \"Selective Assessments\" holds \"32766\", "
             "which gives output numbers beyond 32767.\rCorrect it and try again; no file was "
             "written.",
            "", "txtSTART(3)"));
}

} // namespace
} // namespace quorin
