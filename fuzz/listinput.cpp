// The list-input reader of settings files, model.NAM and scatter diagram files.
#include "common/listinput.h"
#include "fuzzsupport.h"

using namespace quorin;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    // The first byte chooses, field by field, a text or a number read.
    const unsigned pattern = data[0];
    ListInput in(fuzz::textOf(data + 1, size - 1));
    std::size_t fields = 0;
    while (!in.atEnd()) {
        const bool number = (pattern >> (fields % 8)) & 1;
        const bool read = number ? in.readNumber().has_value() : in.readText().has_value();
        // A field that is read moves the reader on; blanks alone at the end read nothing.
        fuzz::require(read || in.atEnd(), "a read before the end gives a field");
        fuzz::require(++fields <= size, "every field read moves the reader on");
    }
    fuzz::require(!in.readText() && !in.readNumber(), "nothing is read past the end");
    return 0;
}
