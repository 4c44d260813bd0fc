// A scatter diagram file as Open reads it: what reads, saves and reads back,
// and saving it again writes the same bytes.
#include "common/textfile.h"
#include "fuzzsupport.h"
#include "scatter/scattereditor.h"
#include "scatter/scatterread.h"
#include "scatter/scattersave.h"

using namespace quorin;

namespace {

bool headingsPositive(const GridEdit& store)
{
    for (int r = 1; r < kScatterGridRows; ++r)
        if (!(store.Scatter[r][0] > 0))
            return false;
    for (int c = 1; c < kScatterGridCols; ++c)
        if (!(store.Scatter[0][c] > 0))
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string file = fuzz::workFile("DECK.DBS1");
    fuzz::writeFile(file, fuzz::textOf(data, size));
    GridEdit store;
    GridModel grid(kScatterGridRows, kScatterGridCols);
    ScatterBoxes boxes;
    fuzz::CountingPrompter prompter;
    DiskFiles files;
    const ScatterContext context { grid, boxes, prompter, files, fuzz::workFile("DECK"), "3", '.' };
    loadScatterGrid(store, grid, '.');
    if (!ReadScatter(store, context))
        return 0;
    // Headings of 0 or below show empty, and an empty heading is no field
    // when the file is read again: only positive headings survive a save.
    if (!headingsPositive(store) || !SaveScatter(store, context))
        return 0;
    const auto saved = readWholeFile(file);
    fuzz::require(ReadScatter(store, context).has_value(), "a saved diagram reads back");
    fuzz::require(SaveScatter(store, context).has_value(), "a diagram read back saves again");
    fuzz::require(readWholeFile(file) == saved, "saving what was read back writes the same bytes");
    return 0;
}
