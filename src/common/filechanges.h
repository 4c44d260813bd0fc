#pragma once

#include "common/comparingfiles.h"
#include "common/linediff.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quorin {

enum class FileStatus { New, Same, Changed };

// One file of a run against what was there before it.
struct FileChange {
    std::string path;
    FileStatus status = FileStatus::New;
    LineDiff diff; // Changed: how many lines differ, and the first of them
};

struct FileChanges {
    std::vector<FileChange> files;

    int count(FileStatus status) const;
};

// Whether, in the file at path, two lines that differ in their bytes still
// stand for the same line (a line that only stamps the time of the run).
using SameLineIn = std::function<bool(std::string_view path, std::string_view, std::string_view)>;

// Each file new (there was none), the same (the same bytes, or lines that
// sameLine takes for the same) or changed, with its diff and at most
// shownLimit of its differing lines.
FileChanges compareFiles(
    const std::vector<FileRecord>& files, const SameLineIn& sameLine, int shownLimit);

} // namespace quorin
