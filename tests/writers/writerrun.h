#pragma once

#include "run/runsetup.h"
#include "support/scripted.h"
#include "support/tempdir.h"
#include "writers/batchwriter.h"

#include <string>
#include <vector>

namespace quorin::test {

enum class Writer { StaticOnly, DynamicStatic, DynamicOnly, Append };

// A model "JKT" in a fresh directory with the default inputs, two directions
// (0 and 90 degrees) and two waves: 9.5 m 12 s Stokes, 1.25 m 4.5 s Airy.
struct WriterRun {
    TempDir dir;
    RunSetup setup;
    FormTexts form { "T", "F2", "200", "" };
    DiskFiles files;
    FixedClock clock;
    char decimal = '.';

    WriterRun();
    Result<FilesWritten> write(Writer writer);
    // The lines of a file of the directory (split at CR LF) that start with prefix.
    std::vector<std::string> linesStarting(
        const std::string& name, const std::string& prefix) const;
};

} // namespace quorin::test
