#include "writerrun.h"

#include "common/textfile.h"

#include <gtest/gtest.h>

namespace quorin::test {

WriterRun::WriterRun()
{
    setup.ModelName = dir.file("JKT");
    setup.BatchFileName = dir.file("JKT.BRSF");
    setup.NoOfDirections = 2;
    setup.DirAngle[1] = 0;
    setup.DirAngle[2] = 90;
    setup.NoOfWaves = 2;
    wave(1, 9.5f, 12, 2);
    wave(2, 1.25f, 4.5f, 1);
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

void WriterRun::wave(int index, float height, float period, float theory)
{
    setup.WaveHeight.at(index) = height;
    setup.WavePeriod.at(index) = period;
    setup.WaveTheory.at(index) = theory;
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
