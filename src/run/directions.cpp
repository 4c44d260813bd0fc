#include "run/directions.h"

namespace quorin {

int directionOptionForCode(int code)
{
    for (std::size_t i = 0; i < kDirectionOptions.size(); ++i)
        if (kDirectionOptions[i].code == code)
            return static_cast<int>(i);
    return kPresetDirectionOption;
}

std::int16_t directionCountOf(std::int16_t code)
{
    return code == 14 ? std::int16_t { 4 } : code;
}

int directionCountFor(int option, std::int16_t code)
{
    if (option >= 0 && option < static_cast<int>(kDirectionOptions.size()))
        return kDirectionOptions[static_cast<std::size_t>(option)].count;
    return directionCountOf(code);
}

void setDirections(RunSetup& setup, int option, double startDirection)
{
    if (option >= 0 && option < static_cast<int>(kDirectionOptions.size())) {
        const DirectionOption& chosen = kDirectionOptions[static_cast<std::size_t>(option)];
        setup.NoOfDirections = chosen.code;
        for (int k = 0; k < chosen.count; ++k)
            setup.DirAngle[static_cast<std::size_t>(k) + 1] = chosen.step * static_cast<float>(k);
    }
    for (std::size_t k = 1; k <= 12; ++k)
        setup.DirAngle[k]
            = static_cast<float>(static_cast<double>(setup.DirAngle[k]) + startDirection);
}

} // namespace quorin
