#pragma once

#include "scatter/gridedit.h"
#include "scatter/scattereditor.h"
#include "support/scripted.h"
#include "support/tempdir.h"

#include <sstream>
#include <string>
#include <vector>

namespace quorin::test {

// The default bands as the editor shows them and a saved file holds them.
inline const std::string kHeights = "12.25 11.75 11.25 10.75 10.25 9.75 9.25 8.75 8.25 7.75 7.25 "
                                    "6.75 6.25 5.75 5.25 4.75 4.25 3.75 3.25 2.75 2.25 1.75 1.25 "
                                    "0.75 0.25 ";
inline const std::string kPeriods
    = "0.5 1.5 2.5 3.5 4.5 5.5 6.5 7.5 8.5 9.5 10.5 11.5 12.5 13.5 14.5 15.5 16.5 17.5 ";

// A scatter diagram file as another program might write it: the six lines, or
// with `between` given, the boxes' lines and then every number followed by it.
struct DiagramFile {
    std::string scaling = "1";
    std::string years = "1";
    std::string heights = kHeights;
    std::string periods = kPeriods;
    std::vector<std::string> cells = std::vector<std::string>(450, "0");

    DiagramFile& cell(int row, int col, std::string value)
    {
        cells.at(static_cast<std::size_t>((row - 1) * 18 + col - 1)) = std::move(value);
        return *this;
    }
    std::string text(const char* between = nullptr) const
    {
        std::string numbers = heights + "\r\n" + periods + "\r\n";
        for (const auto& value : cells)
            numbers += " " + value + " ";
        if (between) {
            std::istringstream in(numbers);
            numbers.clear();
            for (std::string number; in >> number;)
                numbers += number + between;
        }
        return "3\r\n" + scaling + "\r\n" + years + "\r\n" + numbers + (between ? "" : "\r\n");
    }
};

// A freshly loaded editor on the model stem DECK in a temporary directory.
struct Editor {
    TempDir dir;
    ScriptedPrompter prompter;
    DiskFiles files;
    GridEdit store;
    GridModel grid { kScatterGridRows, kScatterGridCols };
    ScatterBoxes boxes;
    std::string modelName = dir.file("DECK");

    Editor() { loadScatterGrid(store, grid, '.'); }
    ScatterContext context() { return { grid, boxes, prompter, files, modelName, "3", '.' }; }
    std::vector<std::string> messages() const
    {
        std::vector<std::string> texts;
        for (const auto& message : prompter.messages())
            texts.push_back(message.text);
        return texts;
    }
};

} // namespace quorin::test
