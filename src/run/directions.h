#pragma once

#include "run/runsetup.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace quorin {

// One option of "Number of Directions".
struct DirectionOption {
    std::string_view caption; // the option button's text
    std::string_view name; // quorin-batch's value for it
    std::int16_t code; // NoOfDirections; the settings file keeps it
    int count; // directions written
    float step; // degrees between neighbouring directions
};

// Top to bottom. "4" is the full circle in steps of 90 (code 14); "4 Sym"
// the symmetric half in steps of 45 (code 4).
inline constexpr std::array<DirectionOption, 8> kDirectionOptions { {
    { "1", "1", 1, 1, 0 },
    { "2", "2", 2, 2, 90 },
    { "3", "3", 3, 3, 120 },
    { "4", "4", 14, 4, 90 },
    { "4 Sym", "4sym", 4, 4, 45 },
    { "6", "6", 6, 6, 60 },
    { "8", "8", 8, 8, 45 },
    { "12", "12", 12, 12, 30 },
} };

// The option preset at start and kept for a saved code without an option of its own.
inline constexpr int kPresetDirectionOption = 3;

// The option a saved direction code selects: the option of that code, or the
// preset "4" for any other (14, the code "4" itself writes, among them).
int directionOptionForCode(int code);

// Directions the writers write: 4 for the code 14, otherwise the code itself.
std::int16_t directionCountOf(std::int16_t code);

// The directions Create writes with the selected option, or, with none
// selected (-1), those of the direction code the run set-up holds.
int directionCountFor(int option, std::int16_t code);

// Sets NoOfDirections and the first DirAngle elements from the selected
// option (-1 keeps both as they are), then adds the start direction to
// DirAngle(1) to DirAngle(12), each stored in single precision, so elements
// the option does not set accumulate it.
void setDirections(RunSetup& setup, int option, double startDirection);

} // namespace quorin
