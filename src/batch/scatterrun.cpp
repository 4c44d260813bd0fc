#include "batch/scatterrun.h"

#include "batch/batchrun.h"
#include "common/textfile.h"
#include "scatter/scattereditor.h"
#include "scatter/scattersave.h"

namespace quorin {

namespace {

constexpr const char* kDefaultBox = "1";

int importDiagram(const ScatterOptions& options, Session& session, ScatterContext& context,
    std::ostream& out, std::ostream& err)
{
    const auto text = readWholeFile(*options.importFile);
    if (!text) {
        err << "quorin-batch: cannot read the file to import " << *options.importFile
            << ". Try 'quorin-batch --help'.\n";
        return 2;
    }
    context.boxes.scalingFactor = options.scaling.value_or(kDefaultBox);
    context.boxes.years = options.years.value_or(kDefaultBox);
    // The whole body selected from its first cell, then Paste and Save.
    GridModel& grid = context.grid;
    grid.setCurrent(1, 1);
    grid.setSelectionEnd(grid.rows() - 1, grid.cols() - 1);
    pasteScatter(grid, *text);
    // Paste starts a row at CR only, as the editor does; a file from a
    // program that ends its lines with LF alone fills one row.
    if (text->find('\n') != std::string::npos && text->find('\r') == std::string::npos)
        err << "quorin-batch: the lines of " << *options.importFile
            << " end with LF alone, and a row starts only at CR: they were pasted into one "
               "row. Save the file with CR LF line ends to give each line a row of its own.\n";
    const auto saved = SaveScatter(session.scatter, context);
    if (!saved)
        tellFailure(saved.error(), err);
    if (!saved || *saved != ScatterSaved::Written)
        return 1;
    out << "Wrote " << session.scatter.ScatterFileName << '\n';
    return 0;
}

} // namespace

int runScatter(const ScatterOptions& options, Session& session, Prompter& prompter,
    FileLayer& files, char decimalSymbol, std::ostream& out, std::ostream& err)
{
    GridModel grid(kScatterGridRows, kScatterGridCols);
    loadScatterGrid(session.scatter, grid, decimalSymbol);
    ScatterBoxes boxes;
    boxes.direction = options.direction.value_or("");
    ScatterContext context { grid, boxes, prompter, files, session.setup.ModelName,
        session.setup.SpectrumType, decimalSymbol };
    if (options.importFile)
        return importDiagram(options, session, context, out, err);

    const ScatterOpened opened = openScatter(session.scatter, context, options.steepness);
    if (!opened.read) {
        tellFailure(opened.read.error(), err);
        return 1;
    }
    out << gridText(grid) << opened.totalsLine << '\n';
    return 0;
}

} // namespace quorin
