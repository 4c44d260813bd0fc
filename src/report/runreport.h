#pragma once

#include "scatter/sharescale.h"
#include "wavetable/wavechart.h"

#include <optional>
#include <string>
#include <vector>

namespace quorin {

// The run report's content, every text as it is shown: what the report says
// is decided here, and drawing it (as a web page or as pages of a PDF) adds
// nothing to it.

// A row of a table of facts: "Water Depth", "113.3", "m".
struct ReportLine {
    std::string caption;
    std::string value;
    std::string unit = {};
};

// The inputs of one frame of the main view; the frame is "" for those outside the two
// assessment frames.
struct InputGroup {
    std::string frame;
    std::vector<ReportLine> lines;
};

// A wave as Create writes it, with its facts.
struct WaveLine {
    std::string row;
    std::string height; // m
    std::string period; // s
    std::string theory; // "1 linear", "2 Stokes fifth order"
    std::string frequency = {}; // rad/s
    std::string wavelength = {}; // m, deep water
    std::string steepness = {}; // "1 in 18.7"; "" without a height above 0
    bool breaking = false; // steeper than 1 in 7
};

// A cell of a table: a diagram's cell shaded by its share, or a heading.
struct ShadedCell {
    std::string text; // empty for no occurrences
    std::optional<Rgb> shade = {};
    bool lightText = false;
    bool heading = false;
};
using CellTable = std::vector<std::vector<ShadedCell>>;

// The scatter diagram of one direction, as the scatter diagram editor reads its file.
struct DiagramReport {
    enum class State { Shown, Missing, Damaged };
    int direction = 0;
    std::string title; // "Direction 2 (90 deg)"
    std::string file; // the file's name, without its folder
    State state = State::Missing;
    std::string note; // what is wrong with a missing or damaged file, and what to do
    std::vector<ReportLine> facts; // scaling factor, period in years, total, cycles per year
    std::vector<std::string> heights; // row headings, m
    std::vector<std::string> periods; // column headings, s
    CellTable cells; // a row of cells for each height
    std::vector<std::string> rowTotals;
    std::vector<std::string> columnTotals;
    std::string cellTotal;
};

// A run of files whose names differ only in a number that counts up by one.
struct FileRange {
    std::string first;
    std::string last; // the same as first for a single file
    int count = 1;
};

// The files Create would write, or why it would stop instead.
struct CreatePreview {
    std::string folder; // where the model's files go
    std::vector<FileRange> files;
    std::vector<std::string> paths; // every file, in full
    int count = 0;
    std::string stop; // empty when Create would run to its end
};

struct RunReport {
    std::string title; // "Run report of JKT"
    std::string made; // "Made on 06/12/2026 at 09:05:07 by Quorin 0.1.0"
    std::vector<InputGroup> inputs;
    std::vector<ReportLine> run; // control file kind, directions, wave and load case numbers
    std::vector<WaveLine> waves;
    WaveChart chart;
    std::string steepnessName; // the chart's curve of the wave steepness: "1 in 22"
    std::string chartSummary;
    std::vector<DiagramReport> diagrams;
    CreatePreview files;
};

} // namespace quorin
