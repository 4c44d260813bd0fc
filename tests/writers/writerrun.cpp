#include "writerrun.h"

#include "common/textfile.h"

#include <gtest/gtest.h>

namespace quorin::test {

WriterRun::WriterRun()
{
    setup.ModelName = dir.file("JKT");
    setup.BatchFileName = dir.file("JKT.BRSF");
    setup.NoOfDirections = 2;
    setup.DirAngle = { 0, 0, 90 }; // from index 1
    setup.NoOfWaves = 2;
    setup.WaveHeight = { 0, 9.5f, 1.25f };
    setup.WavePeriod = { 0, 12, 4.5f };
    setup.WaveTheory = { 0, 2, 1 };
    setup.WaveStepsText = "12";
    setup.LoadCaseStartText = "70";
    setup.DepthText = "113.3";
    setup.StressPointsText = "8";
    setup.DampingText = "5";
    setup.FreqCaseText = "50";
    setup.ScfCorrelationText = "4";
    setup.TubularJoints = 1;
    setup.MemberJoints = 1;
    setup.MemberScfText = "1.0";
    setup.Thickness = 0.02f;
    setup.GroupSetNoText = "10";
    setup.GroupNoText = "1";
    setup.OutputIdStart = 205;
    setup.NodeGroup = 1;
}

Result<FilesWritten> WriterRun::write(Writer writer)
{
    // In the order of the Writer enum.
    constexpr Result<FilesWritten> (BatchWriter::*writers[])()
        = { &BatchWriter::WriteStaticOnly, &BatchWriter::WriteDynamicStatic,
              &BatchWriter::WriteDynamicOnly, &BatchWriter::AppendSelective };
    BatchWriter batchWriter(setup, form, files, clock, decimal);
    return (batchWriter.*writers[static_cast<int>(writer)])();
}

std::vector<std::string> WriterRun::linesStarting(
    const std::string& name, const std::string& prefix) const
{
    const std::string text = dir.read(name);
    std::vector<std::string> result;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        if (text.substr(start, end - start).starts_with(prefix))
            result.push_back(text.substr(start, end - start));
    EXPECT_EQ(start, text.size()) << name << " does not end with CR LF";
    return result;
}

} // namespace quorin::test
