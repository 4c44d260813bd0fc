#include "writers/combinationfile.h"

#include "common/linewriter.h"
#include "common/numberforms.h"
#include "writers/runvalues.h"

namespace quorin::writers {

void writeCombinationFile(FileLayer& files, const std::string& name, int firstCase, int steps,
    std::string_view title, char decimalSymbol)
{
    LineWriter out(files, name, LineWriter::Mode::Replace);
    out.line(printForm(steps, Precision::Double, decimalSymbol));
    const std::string factor = "    " + printForm(1, Precision::Double, decimalSymbol);
    for (int step = 0; step < steps; ++step)
        out.line(whole(firstCase + step) + factor);
    out.line(title);
    out.close();
}

} // namespace quorin::writers
