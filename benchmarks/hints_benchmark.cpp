// Times the input hints a keystroke costs: a box's hint and the hints of a
// full wave table (100 rows, a third of them holding texts read as another
// number than they show), against the 1 ms a keystroke may take.
//
//   build/benchmarks/hints_benchmark [repeats]

#include "mainform/inputhints.h"
#include "wavetable/wavegrid.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char* argv[])
{
    const int repeats = argc > 1 ? std::max(1, std::atoi(argv[1])) : 2000;
    quorin::GridModel waves(quorin::kWaveGridRows, quorin::kWaveGridCols);
    quorin::GridSetUp(waves);
    for (int r = 1; r <= quorin::kWaveRowCount; ++r) {
        waves.setText(r, 1, r % 3 ? std::to_string(r) + ".25" : std::to_string(r) + ",25");
        waves.setText(r, 2, r % 7 ? "12.5" : "12 s");
        waves.setText(r, 3, r % 5 ? "1" : "5");
    }
    using Clock = std::chrono::steady_clock;
    std::size_t seen = 0;
    const auto start = Clock::now();
    for (int i = 0; i < repeats; ++i) {
        seen += quorin::waveHints(waves).size();
        seen += quorin::boxHint("txtBLOCKS", "2,5", '.').has_value();
    }
    const double each
        = std::chrono::duration<double, std::micro>(Clock::now() - start).count() / repeats;
    std::printf("hints per keystroke: %.1f us (%zu hints a time), limit 1000 us\n", each,
        seen / static_cast<std::size_t>(repeats));
    return each < 1000 ? 0 : 1;
}
