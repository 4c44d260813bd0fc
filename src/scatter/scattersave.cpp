#include "scatter/scattersave.h"

#include "common/linewriter.h"
#include "common/numberforms.h"
#include "common/numberreading.h"
#include "common/textfile.h"

namespace quorin {

namespace {

constexpr const char* kOverwrite = "Overwrite existing data";
constexpr const char* kSaveTitle = "Scatter Diagram";
constexpr const char* kNothingWritten = ".\rCorrect it and try again; no file was written.";

using Cells = decltype(GridEdit::Scatter);

// A comma, a double quote or a line end would split or swallow the field when
// the file is read back.
Result<void> checkBoxes(const ScatterContext& context)
{
    struct Box {
        const char* caption;
        const char* name;
        const std::string& text;
    };
    const Box boxes[] = {
        { "Diagram Scaling Factor", "Text3(0)", context.boxes.scalingFactor },
        { "Period (Yrs)", "Text3(1)", context.boxes.years },
    };
    for (const Box& box : boxes) {
        if (box.text.find_first_of(",\"\r\n") == std::string::npos)
            continue;
        context.prompter.tell(std::string("The box \"") + box.caption + "\" holds \"" + box.text
                + "\", whose comma, double quote or line end the diagram file cannot hold"
                + kNothingWritten,
            Prompter::Icon::Critical);
        return fail("", "", box.name);
    }
    return {};
}

// The leading number of every body cell's text, as stored.
Result<Cells> cellValues(const ScatterContext& context)
{
    const GridModel& grid = context.grid;
    Cells values {};
    for (int r = 1; r < kScatterGridRows; ++r)
        for (int c = 1; c < kScatterGridCols; ++c) {
            const auto value = singleInRange(readLenient(grid.text(r, c)));
            if (value) {
                values[r][c] = *value;
                continue;
            }
            context.prompter.tell("The cell at row " + std::to_string(r) + " (height "
                    + grid.text(r, 0) + "), column " + std::to_string(c) + " (period "
                    + grid.text(0, c) + ") holds \"" + grid.text(r, c)
                    + "\", which is beyond the range of a single-precision number"
                    + kNothingWritten,
                Prompter::Icon::Critical);
            return fail("", "", "grid");
        }
    return values;
}

void writeDiagram(LineWriter& out, GridEdit& store, const ScatterContext& context)
{
    const GridModel& grid = context.grid;
    out.line(context.spectrumType);
    out.line(context.boxes.scalingFactor);
    out.line(context.boxes.years);
    for (int r = 1; r < kScatterGridRows; ++r)
        out << grid.text(r, 0) << " ";
    out.endLine();
    for (int c = 1; c < kScatterGridCols; ++c)
        out << grid.text(0, c) << " ";
    out.endLine();
    store.ScatterTotal = 0;
    for (int r = 1; r < kScatterGridRows; ++r)
        for (int c = 1; c < kScatterGridCols; ++c) {
            const float value = store.Scatter[r][c];
            out << printForm(value, Precision::Single, context.decimalSymbol);
            store.ScatterTotal += value;
        }
    out.endLine();
}

// Writes the diagram beside the file and then puts it in the file's place, so
// that a failure leaves any old file whole. The failure names the file and the reason.
Result<void> writeReplacing(GridEdit& store, const ScatterContext& context, bool existed)
{
    const std::string& file = store.ScatterFileName;
    try {
        LineWriter out(context.files, file, LineWriter::Mode::Replace);
        writeDiagram(out, store, context);
        out.close();
    } catch (const WriteError& failure) {
        const char* kept = existed ? ". The old file is left as it was." : ". No file was written.";
        return fail("Could not write " + file + ": " + failure.reason() + kept, file);
    }
    return {};
}

} // namespace

Result<ScatterSaved> SaveScatter(GridEdit& store, const ScatterContext& context)
{
    if (auto boxes = checkBoxes(context); !boxes)
        return std::unexpected(boxes.error());
    const auto values = cellValues(context);
    if (!values)
        return std::unexpected(values.error());
    for (int r = 1; r < kScatterGridRows; ++r)
        for (int c = 1; c < kScatterGridCols; ++c)
            store.Scatter[r][c] = (*values)[r][c];

    store.ScatterFileName = scatterFileName(context.modelName, context.boxes.direction);
    const bool existed = fileExists(store.ScatterFileName);
    if (existed
        && context.prompter.ask(
               kOverwrite, Prompter::Buttons::YesNo, Prompter::Icon::None, kSaveTitle)
            != Prompter::Answer::Yes)
        return ScatterSaved::KeptExisting;

    if (auto written = writeReplacing(store, context, existed); !written) {
        context.prompter.tell(written.error().message, Prompter::Icon::Critical);
        return fail("", store.ScatterFileName);
    }
    return ScatterSaved::Written;
}

} // namespace quorin
