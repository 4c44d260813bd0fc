#pragma once

#include "common/comparingfiles.h"
#include "common/filechanges.h"

#include <string>

namespace quorin {

// What a Create or Append changed: every file the command wrote, new, the
// same or changed against the file that was there. A load data file whose
// only differing line is its date and time line counts as the same.
FileChanges changesOf(const ComparingFiles& files);

// A dry run's report: a line a file ("JKT.BRSF changed (2 lines differ)"),
// then a line that counts them.
std::string dryRunReport(const FileChanges& changes);

// What the status line adds after a command: "20 changed, 2,386 unchanged"
// (a new file counts as changed).
std::string changeSummary(const FileChanges& changes);

// The changed and new files with the first differing lines of each, for the
// user to read and copy.
std::string changeDetails(const FileChanges& changes);

// A count with "," between each group of three digits: 2,386.
std::string withThousands(int count);

} // namespace quorin
