#include "mainform/directions.h"

#include <array>
#include <cstdint>

namespace quorin {

namespace {

struct DirectionOption {
    std::int16_t code;
    int count;
    float step;
};

// "4" is the full circle in steps of 90 (code 14); "4 Sym" the half in steps of 45.
constexpr std::array<DirectionOption, 8> kOptions { {
    { 1, 1, 0 },
    { 2, 2, 90 },
    { 3, 3, 120 },
    { 14, 4, 90 },
    { 4, 4, 45 },
    { 6, 6, 60 },
    { 8, 8, 45 },
    { 12, 12, 30 },
} };

} // namespace

void SetDirections(RunSetup& setup, int option, double startDirection)
{
    if (option >= 0 && option < static_cast<int>(kOptions.size())) {
        const DirectionOption& chosen = kOptions[static_cast<std::size_t>(option)];
        setup.NoOfDirections = chosen.code;
        for (int k = 0; k < chosen.count; ++k)
            setup.DirAngle[static_cast<std::size_t>(k) + 1] = chosen.step * static_cast<float>(k);
    }
    for (std::size_t k = 1; k <= 12; ++k)
        setup.DirAngle[k]
            = static_cast<float>(static_cast<double>(setup.DirAngle[k]) + startDirection);
}

} // namespace quorin
