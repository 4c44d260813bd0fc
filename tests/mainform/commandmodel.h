#pragma once

#include "mainform/commands.h"
#include "support/scripted.h"
#include "support/tempdir.h"
#include "wavetable/wavetablefixture.h"

#include <string>

namespace quorin::test {

// A model "JKT" with its wave data file in a fresh directory, the default
// inputs, and wave rows given as range text (TAB between cells, CR between rows).
struct CommandModel {
    TempDir dir;
    ScriptedPrompter prompter;
    DiskFiles disk;
    FixedClock clock;
    RunSetup setup;
    GridModel waves;
    MainInputs inputs;

    explicit CommandModel(const std::string& rows = "2.5\t7\t1")
        : waves(waveTable(rows))
    {
        dir.write("JKT.WAV", "");
        setup.ModelName = dir.file("JKT");
        inputs.batchFile = dir.file("JKT.BRSF");
    }
    Result<std::string> run(bool append, FileLayer& files)
    {
        const CommandContext context { prompter, files, clock, '.' };
        return append ? appendCommand(inputs, waves, setup, context)
                      : createCommand(inputs, waves, setup, context);
    }
    Result<std::string> run(bool append = false) { return run(append, disk); }
};

} // namespace quorin::test
