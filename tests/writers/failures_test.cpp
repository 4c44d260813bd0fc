#include "writerrun.h"

#include <gtest/gtest.h>

#include <functional>
#include <utility>

namespace quorin::test {
namespace {

// A writer that stops: what it finished, the file it names, and the files
// that stay or never come.
struct FailCase {
    const char* name;
    std::function<void(WriterRun&)> change;
    Writer writer;
    WriterResult expected; // failedFile relative to the directory; reason "" for any text
    std::vector<const char*> kept;
    std::vector<const char*> absent;
};

WriterResult stopped(int loadData, int combinations, const char* file, std::string reason)
{
    return { loadData, loadData, combinations, false, true, file, reason };
}

TEST(WriterFailures, EndTheWriterAndLeaveWhatWasWritten)
{
    const auto blocked = [](WriterRun& r) { r.dir.write("plain", "not a directory"); };
    const auto blockedModel
        = [=](WriterRun& r) { blocked(r), r.setup.ModelName = r.dir.file("plain/JKT"); };
    const auto blockedBatch
        = [=](WriterRun& r) { blocked(r), r.setup.BatchFileName = r.dir.file("plain/JKT.BRSF"); };
    const char* const beyond16 = " is beyond the range -32768 to 32767";
    const FailCase cases[] = {
        { "depth not a number", [](WriterRun& r) { r.setup.DepthText = "abc"; }, Writer::StaticOnly,
            stopped(0, 0, "JKT.@F1", "Water Depth \"abc\" is not a number"), {},
            { "JKT.BCWAVF1", "JKT.@F2", "JKT.C70", "JKT.BRSF" } },
        { "depth in the other decimal symbol", [](WriterRun& r) { r.decimal = ','; },
            Writer::DynamicOnly, stopped(0, 0, "JKT.@F1", "Water Depth \"113.3\" is not a number"),
            {}, { "JKT.@F2" } },
        { "start not a number", [](WriterRun& r) { r.setup.LoadCaseStartText = "abc"; },
            Writer::StaticOnly,
            stopped(4, 1, "JKT.BRSF", "Load Case (Start) \"abc\" is not a number"),
            { "JKT.@F4", "JKT.BCWAVF4", "JKT.Cabc" }, {} },
        { "start not a number, dynamic", [](WriterRun& r) { r.setup.LoadCaseStartText = "7 0"; },
            Writer::DynamicOnly,
            stopped(4, 3, "JKT.BRSF", "Load Case (Start) \"7 0\" is not a number"),
            { "JKT.C7 0", "JKT.C27", "JKT.C47" }, {} },
        { "model below a file", blockedModel, Writer::DynamicStatic,
            stopped(0, 0, "plain/JKT.@F1", ""), {}, { "JKT.@F1" } },
        { "control file below a file", blockedBatch, Writer::DynamicStatic,
            stopped(4, 3, "plain/JKT.BRSF", ""), { "JKT.@F4", "JKT.BCWAVF4", "JKT.C110" }, {} },
        { "append below a file", blockedBatch, Writer::Append, stopped(0, 0, "plain/JKT.BRSF", ""),
            {}, {} },
        { "wave steps beyond 16 bits", [](WriterRun& r) { r.setup.WaveStepsText = "40000"; },
            Writer::StaticOnly,
            stopped(4, 0, "JKT.C70", std::string("Number of wave steps 40000") + beyond16), {},
            { "JKT.BRSF" } },
        { "load case beyond 16 bits", [](WriterRun& r) { r.setup.LoadCaseStartText = "32760"; },
            Writer::StaticOnly,
            stopped(4, 0, "JKT.C32760", std::string("Load case 32768") + beyond16),
            { "JKT.C32760" }, { "JKT.BRSF" } },
        { "W=Wn combination beyond 16 bits",
            [](WriterRun& r) { r.setup.LoadCaseStartText = "32750"; }, Writer::DynamicStatic,
            stopped(4, 1, "JKT.C", std::string("W=Wn combination 32770") + beyond16),
            { "JKT.C32750" }, { "JKT.BRSF" } },
        { "global output id beyond 32 bits",
            [](WriterRun& r) { r.form.globalOutputId = "2147483647"; }, Writer::StaticOnly,
            stopped(4, 1, "JKT.BRSF",
                "Output ID 2147483648 is beyond the range -2147483648 to 2147483647"),
            {}, {} },
        { "selective output id beyond 16 bits", [](WriterRun& r) { r.setup.OutputIdStart = 32767; },
            Writer::Append, stopped(0, 0, "JKT.BRSF", std::string("Output ID 32768") + beyond16),
            {}, {} },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WriterRun run;
        c.change(run);
        WriterResult result = run.write(c.writer);
        WriterResult expected = c.expected;
        expected.failedFile = run.dir.file(expected.failedFile);
        if (expected.reason.empty()) { // the system's own words
            EXPECT_FALSE(std::exchange(result.reason, "").empty());
        }
        EXPECT_EQ(result, expected) << result.failedFile << ": " << result.reason;
        for (const char* name : c.kept)
            EXPECT_TRUE(run.exists(name)) << name;
        for (const char* name : c.absent)
            EXPECT_FALSE(run.exists(name)) << name;
    }
}

} // namespace
} // namespace quorin::test
