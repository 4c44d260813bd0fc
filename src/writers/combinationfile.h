#pragma once

#include "common/filelayer.h"

#include <string>
#include <string_view>

namespace quorin::writers {

// Titles of the combination files of the three runs.
inline constexpr std::string_view kStaticRunTitle = "Spect Fatigue Static RUN Comb";
inline constexpr std::string_view kWaveFrequencyRunTitle = "Spect Fatigue Dyn W Freq RUN Comb";
inline constexpr std::string_view kZeroFrequencyRunTitle = "Spect Fatigue Dyn Zero Freq RUN Comb";

// Writes a combination file: the number of cases, then cases firstCase,
// firstCase + 1, ... (steps of them, each with factor 1), then the run's title.
void writeCombinationFile(FileLayer& files, const std::string& name, int firstCase, int steps,
    std::string_view title, char decimalSymbol);

} // namespace quorin::writers
