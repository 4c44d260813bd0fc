// Lenient reading and strict conversion of a cell or box text.
#include "common/numberreading.h"
#include "fuzzsupport.h"

#include <cmath>

using namespace quorin;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text = fuzz::textOf(data, size);
    const double value = readLenient(text);

    // Lenient reading looks at nothing past the number it reads: the text cut
    // after the number, or followed by a letter, reads the same.
    const std::size_t start = std::min(text.find_first_not_of(" \t\r\n"), text.size());
    const std::size_t length = detail::numberLength(std::string_view(text).substr(start), '.');
    fuzz::require(start + length <= text.size(), "the number lies within the text");
    const std::string number = text.substr(0, start + length);
    fuzz::require(readLenient(number) == value, "the text after the number is not read");
    fuzz::require(readLenient(number + "x") == value, "a letter after the number is not read");

    // A text that converts strictly is a number whole: lenient reading of it agrees.
    for (const char decimal : { '.', ',' }) {
        if (const auto strict = toDoubleStrict(text, decimal); strict && decimal == '.')
            fuzz::require(*strict == value, "strict and lenient reading agree on a whole number");
        if (const auto single = toSingleStrict(text, decimal))
            fuzz::require(std::isfinite(*single), "a strict single is finite");
        if (const auto whole = toInt16Strict(text, decimal)) {
            const double exact = *toDoubleStrict(text, decimal);
            fuzz::require(std::fabs(*whole - exact) <= 0.5, "the 16-bit integer is the nearest");
        }
    }
    return 0;
}
