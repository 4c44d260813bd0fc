#pragma once

#include "mainform/runsetup.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace quorin::writers {

// Ends the writer that is running: the file being written (or about to be)
// and why, in the user's words.
[[noreturn]] void stopWriting(const std::string& file, const std::string& reason);

// Whole numbers as the suite's counters hold them. A value outside the range
// ends the writer, naming the file and what the number is ("Load case").
std::int16_t to16Bit(long long value, const std::string& file, std::string_view what);
std::int32_t to32Bit(long long value, const std::string& file, std::string_view what);
// The nearest whole number, halves to the even neighbour.
std::int16_t nearest16Bit(double value, const std::string& file, std::string_view what);
std::int32_t nearest32Bit(double value, const std::string& file, std::string_view what);

// A box's text converted strictly to a double in the user's number format; a
// text that is not wholly a number ends the writer, naming the box by caption.
double strictNumber(
    std::string_view text, char decimalSymbol, const std::string& file, std::string_view caption);

// A whole number in plain form: its digits, "-" before them when negative.
std::string whole(long long value);
// The text without the spaces before and after it.
std::string trimmed(std::string_view text);

// Directions written: 4 for the code 14 ("4" round the full circle),
// otherwise the code itself.
std::int16_t directionCountOf(std::int16_t directionCode);

// One wave in one direction.
struct WaveSlot {
    int direction = 0; // d, from 1
    int wave = 0; // w, from 1 within the direction
    std::int16_t number = 0; // the wave number n = (d - 1) * NoOfWaves + w
};

// Visits every wave of every direction in file order: all waves of direction
// 1, then those of direction 2, and so on. A wave number beyond the 16-bit
// range ends the writer, naming file.
void forEachWave(const RunSetup& setup, const std::string& file,
    const std::function<void(const WaveSlot&)>& visit);

// The wave number of the last wave, NoOfWaves * DirectionCount.
std::int16_t lastWaveNumber(const RunSetup& setup, const std::string& file);

// An element of the wave or direction arrays; an index past them ends the writer.
float element(const std::array<float, 101>& values, int index, const std::string& file,
    std::string_view what);

// The number of wave steps, which is the number of load cases of one run:
// "No of Wave Steps" read leniently, to the nearest 16-bit integer.
std::int16_t stepCountOf(const RunSetup& setup, const std::string& file);

// The load cases of the static run: "Load Case (Start)" converted strictly,
// and StaticLast, the start plus the steps minus one.
struct StaticCases {
    double first = 0;
    double last = 0;
};
StaticCases staticCasesOf(
    const RunSetup& setup, std::int16_t steps, char decimalSymbol, const std::string& file);

// The first case of the static combination: "Load Case (Start)" read
// leniently, to the nearest 16-bit integer.
std::int16_t staticFirstCaseOf(const RunSetup& setup, const std::string& file);

// What the wave blocks of a dynamic control file share.
struct DynamicRun {
    std::int16_t steps = 0;
    std::int16_t base = 0; // DynamicBase: the W=Wn combination, its cases follow it
    std::int16_t zeroBase = 0; // ZeroBase: the W=0 combination
    std::string dampingRatio; // critical damping as a ratio, text form
};

// 30 when more than 20 wave steps are asked for, else 20: the distance
// between the first cases of the static, W=Wn and W=0 runs.
int caseOffsetOf(const RunSetup& setup);
// The start read leniently plus the offsets, to the nearest 16-bit integer.
std::int16_t combinationBaseOf(
    const RunSetup& setup, int offset, const std::string& file, std::string_view what);
// "Critical Damping %" read leniently, divided by 100, in text form.
std::string dampingRatioOf(const RunSetup& setup, char decimalSymbol);

} // namespace quorin::writers
