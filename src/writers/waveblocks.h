#pragma once

#include "common/linewriter.h"
#include "run/runnumbers.h"
#include "run/runsetup.h"
#include "writers/runvalues.h"

#include <cstdint>
#include <string_view>

namespace quorin::writers {

// The three lines that open every wave block: the banner naming direction,
// wave and wave number, the copy of the wave data and the wave loading.
void writeWaveHeader(LineWriter& out, const WaveSlot& slot, char decimalSymbol);

// The static run over the static load cases, from "---run STATIC" to the
// member joints' FATIG2 line.
void writeStaticRun(
    LineWriter& out, const RunSetup& setup, const WaveSlot& slot, const RunNumbers& numbers);

// "---------Dynamic Response" with the FATSPEC1 and DYNRESP1 lines of the
// W=Wn run and, when withZeroFrequency, those of the W=0 run.
void writeDynamicResponse(LineWriter& out, const RunSetup& setup, const RunNumbers& numbers,
    std::string_view dampingRatio, bool withZeroFrequency);

// Which dynamic run a block is for: its marker line, the first case's
// combination and the result labels of tubular and member joints.
struct DynamicRunKind {
    std::string_view marker;
    std::int16_t base;
    std::string_view tubularLabel;
    std::string_view memberLabel;
};
DynamicRunKind waveFrequencyRun(const RunNumbers& numbers);
DynamicRunKind zeroFrequencyRun(const RunNumbers& numbers);

// A dynamic run over the cases base + 1 to base + StepCount, marker line first.
void writeDynamicRun(LineWriter& out, const RunSetup& setup, const WaveSlot& slot,
    const DynamicRunKind& kind, std::int16_t steps);

// The FATSPEC2 lines that combine the runs' stress ranges of this wave:
// tubularRuns and memberRuns name the three results ("SW1/S01/ST1/").
void writeStressRanges(LineWriter& out, const RunSetup& setup, const WaveSlot& slot,
    std::string_view tubularRuns, std::string_view memberRuns);

} // namespace quorin::writers
