#include "writerrun.h"

#include <gtest/gtest.h>

#include <functional>

namespace quorin::test {
namespace {

// A writer that stops on a file it cannot create: the file it names, and the
// files that stay or never come.
TEST(WriterFailures, FileThatCannotBeCreatedEndsTheWriterAndLeavesWhatWasWritten)
{
    struct Case {
        const char* name;
        std::function<void(WriterRun&)> block;
        Writer writer;
        const char* failed; // relative to the directory
        std::vector<const char*> kept;
        std::vector<const char*> absent;
    };
    const Case cases[] = {
        { "model below a file", [](WriterRun& r) { r.setup.ModelName = r.dir.file("plain/JKT"); },
            Writer::DynamicStatic, "plain/JKT.@F1", {}, { "JKT.@F1" } },
        { "control file below a file",
            [](WriterRun& r) { r.setup.BatchFileName = r.dir.file("plain/JKT.BRSF"); },
            Writer::DynamicStatic, "plain/JKT.BRSF", { "JKT.@F4", "JKT.BCWAVF4", "JKT.C110" }, {} },
        { "append below a file",
            [](WriterRun& r) { r.setup.BatchFileName = r.dir.file("plain/JKT.BRSF"); },
            Writer::Append, "plain/JKT.BRSF", {}, {} },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WriterRun run;
        run.dir.write("plain", "not a directory");
        c.block(run);
        const auto result = run.write(c.writer);
        ASSERT_FALSE(result.has_value());
        EXPECT_EQ(result.error().file, run.dir.file(c.failed));
        EXPECT_EQ(result.error().message, "Not a directory");
        for (const char* name : c.kept)
            EXPECT_TRUE(run.exists(name)) << name;
        for (const char* name : c.absent)
            EXPECT_FALSE(run.exists(name)) << name;
    }
}

// Numbers a writer would derive out of range are refused before any file is
// opened, naming the box.
TEST(WriterFailures, NumbersThatCannotBeWrittenAreRefusedBeforeAnyFile)
{
    struct Case {
        const char* name;
        std::function<void(WriterRun&)> change;
        Writer writer;
        const char* box;
    };
    const Case cases[] = {
        { "depth not a number", [](WriterRun& r) { r.setup.DepthText = "abc"; }, Writer::StaticOnly,
            "txtDEPTH" },
        { "depth in the other decimal symbol", [](WriterRun& r) { r.decimal = ','; },
            Writer::DynamicOnly, "txtDEPTH" },
        { "zero steps, the last W=0 case beyond 16 bits",
            [](WriterRun& r) { r.setup.WaveStepsText = "0", r.setup.LoadCaseStartText = "32727"; },
            Writer::DynamicStatic, "txtSTART(0)" },
        { "global output id beyond 32 bits",
            [](WriterRun& r) { r.form.globalOutputId = "2147483647"; }, Writer::StaticOnly,
            "txtSTART(1)" },
        { "selective output id beyond 16 bits", [](WriterRun& r) { r.setup.OutputIdStart = 32767; },
            Writer::Append, "txtSTART(3)" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WriterRun run;
        c.change(run);
        const auto result = run.write(c.writer);
        ASSERT_FALSE(result.has_value());
        EXPECT_EQ(result.error().field, c.box);
        EXPECT_FALSE(run.exists("JKT.@F1") || run.exists("JKT.BRSF"));
    }
}

} // namespace
} // namespace quorin::test
