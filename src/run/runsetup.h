#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace quorin {

// The run set-up values shared by the main view, the commands and the
// writers. One instance lives for the whole run.
struct RunSetup {
    std::string ModelName;
    std::string NamField3;
    std::string BatchFileName;
    std::string StartDirText;
    std::int16_t NoOfDirections = 0;
    std::array<float, 101> DirAngle {};
    std::int16_t NoOfWaves = 0;
    std::array<float, 101> WaveHeight {};
    std::array<float, 101> WavePeriod {};
    std::array<float, 101> WaveTheory {};
    std::string WaveStepsText;
    std::string LoadCaseStartText;
    std::string DepthText;
    std::string StressPointsText;
    std::string SpectrumType;
    std::string DampingText;
    std::string FreqCaseText;
    std::string ScfCorrelationText;
    std::int16_t ExcludeStaticImprovement = 0;
    std::int16_t TubularJoints = 0;
    std::int16_t MemberJoints = 0;
    std::string MemberScfText;
    float Thickness = 0;
    std::int16_t VMStress = 0;
    std::string GroupSetNoText;
    std::string GroupNoText;
    std::int16_t OutputIdStart = 0;
    std::int16_t NodeGroup = 0;
    float WaveSteepness = 0;
    std::string Spare1, Spare2, Spare3, Spare4;
    // Set by every writer from NoOfDirections before it writes.
    std::int16_t DirectionCount = 0;
};

} // namespace quorin
