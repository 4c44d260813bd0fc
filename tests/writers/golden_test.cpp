#include "writerrun.h"

#include <gtest/gtest.h>

namespace quorin::test {
namespace {

TEST(WriterGolden, ControlFileOfEachKindWithItsCombinationFiles)
{
    struct Kind {
        Writer writer;
        const char* control;
        int vmStress;
        std::vector<std::pair<const char*, const char*>> combinations; // written, expected
        std::vector<const char*> absent;
    };
    const Kind kinds[] = {
        { Writer::StaticOnly, "static_only.BRSF", 1, { { "JKT.C70", "static.C70" } },
            { "JKT.C90", "JKT.C110" } },
        { Writer::DynamicStatic, "dynamic_static.BRSF", 0,
            { { "JKT.C70", "static.C70" }, { "JKT.C90", "wave_frequency.C90" },
                { "JKT.C110", "zero_frequency.C110" } },
            {} },
        { Writer::DynamicOnly, "dynamic_only.BRSF", 0,
            { { "JKT.C70", "static.C70" }, { "JKT.C90", "wave_frequency.C90" },
                { "JKT.C110", "zero_frequency.C110" } },
            {} },
    };
    for (const auto& kind : kinds) {
        SCOPED_TRACE(kind.control);
        WriterRun run;
        run.setup.VMStress = static_cast<std::int16_t>(kind.vmStress);
        const int combinations = static_cast<int>(kind.combinations.size());
        EXPECT_EQ(run.write(kind.writer), finished(4, combinations));
        EXPECT_EQ(run.setup.DirectionCount, 2);
        EXPECT_EQ(run.dir.read("JKT.BRSF"), golden(kind.control));
        for (const auto& [written, expected] : kind.combinations)
            EXPECT_EQ(run.dir.read(written), golden(expected)) << written;
        for (const char* name : kind.absent)
            EXPECT_FALSE(run.exists(name)) << name;
    }
}

TEST(WriterGolden, LoadDataAndWaveStepFilesOfFirstWaveInSecondDirection)
{
    for (Writer writer : { Writer::StaticOnly, Writer::DynamicStatic, Writer::DynamicOnly }) {
        WriterRun run;
        run.write(writer);
        std::string expected = golden("load_data.@F3");
        expected.replace(expected.find("<MODEL>"), 7, run.setup.ModelName);
        EXPECT_EQ(run.dir.read("JKT.@F3"), expected);
        EXPECT_EQ(run.dir.read("JKT.BCWAVF3"), golden("wave_step.BCWAVF3"));
        EXPECT_TRUE(run.exists("JKT.@F4") && run.exists("JKT.BCWAVF4"));
        EXPECT_FALSE(run.exists("JKT.@F5") || run.exists("JKT.BCWAVF5"));
    }
}

TEST(WriterGolden, TwoAppendsAddTwoSelectiveSectionsToTheControlFile)
{
    WriterRun run;
    run.dir.write("JKT.BRSF", "EARLIER CONTENT\r\n");
    run.setup.VMStress = 1;
    run.form.description = "LEGS";
    EXPECT_EQ(run.write(Writer::Append), finished(0, 0));
    EXPECT_EQ(run.setup.OutputIdStart, 207);

    run.setup.GroupNoText = "2";
    run.setup.OutputIdStart = 300;
    run.setup.NodeGroup = 0;
    run.form.description.clear();
    EXPECT_EQ(run.write(Writer::Append), finished(0, 0));
    EXPECT_EQ(run.dir.read("JKT.BRSF"), golden("append_twice.BRSF"));
    EXPECT_FALSE(run.exists("JKT.@F1") || run.exists("JKT.C70"));
}

} // namespace
} // namespace quorin::test
