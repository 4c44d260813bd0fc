#include "writers/combinationfile.h"

#include "common/linewriter.h"
#include "common/numberforms.h"
#include "writers/runvalues.h"

namespace quorin::writers {

void writeCombinationFile(const std::string& name, long long firstCase, std::int16_t steps,
    std::string_view title, char decimalSymbol)
{
    LineWriter out(name, LineWriter::Mode::Create);
    out.line(printForm(steps, Precision::Double, decimalSymbol));
    for (int step = 0; step < steps; ++step) {
        const auto loadCase = to16Bit(firstCase + step, name, "Load case");
        out.line(whole(loadCase) + "    " + printForm(1, Precision::Double, decimalSymbol));
    }
    out.line(title);
    out.close();
}

} // namespace quorin::writers
