#include "wavetable/chartkey.h"

#include "common/numberforms.h"

namespace quorin::chartkey {

std::string steepnessName(double waveSteepness, char decimalSymbol)
{
    return "1 in " + textForm(waveSteepness, Precision::Single, decimalSymbol);
}

} // namespace quorin::chartkey
