#pragma once

#include "common/filelayer.h"
#include "common/result.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quorin {

// The model's settings file (the model stem followed by ".DFS"): the inputs
// saved by the last Create or Append, read back at the next start-up.
struct SettingsFile {
    std::int16_t noOfDirections = 0; // the direction code
    double startDirection = 0;
    std::vector<std::array<float, 3>> waves; // height, period, theory
    std::string waveSteps;
    std::string loadCaseStart;
    double waterDepth = 0;
    std::string stressPoints;
    std::int16_t excludeStaticImprovement = 0;
    std::string spectrumType;
    std::string spare1 = "Spare", spare2 = "Spare", spare3 = "Spare";
    std::string frequencyCase;
    std::string damping;
    std::string spare4 = "Spare";
    std::string scfCorrelation;
};

// Reads the whole file; fails, saying what is wrong, when a line is missing,
// the wave count is outside 0 to 100, or the spectrum is not 1 to 3.
// Single-precision fields (start direction, waves, depth) come back rounded
// to single precision.
Result<SettingsFile> parseSettingsFile(std::string_view content);

// Writes the file anew: numbers in the print and signed forms, texts as they
// stand. A file that cannot be written fails with its name and the reason,
// leaving any old file whole.
Result<void> saveSettingsFile(
    FileLayer& files, const std::string& path, const SettingsFile& settings);

} // namespace quorin
