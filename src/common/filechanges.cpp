#include "common/filechanges.h"

#include <algorithm>

namespace quorin {

int FileChanges::count(FileStatus status) const
{
    return static_cast<int>(std::ranges::count(files, status, &FileChange::status));
}

FileChanges compareFiles(
    const std::vector<FileRecord>& files, const SameLineIn& sameLine, int shownLimit)
{
    FileChanges changes;
    changes.files.reserve(files.size());
    for (const FileRecord& file : files) {
        FileChange change { file.path, FileStatus::New, {} };
        if (file.before && *file.before == file.after) {
            change.status = FileStatus::Same;
        } else if (file.before) {
            SameLine same;
            if (sameLine)
                same = [&](std::string_view a, std::string_view b) {
                    return sameLine(file.path, a, b);
                };
            change.diff = diffLines(*file.before, file.after, same, shownLimit);
            change.status = change.diff.differing == 0 ? FileStatus::Same : FileStatus::Changed;
        }
        changes.files.push_back(std::move(change));
    }
    return changes;
}

} // namespace quorin
