#include "mainform/runchanges.h"

#include "writers/wavefiles.h"

#include <array>

namespace quorin {

namespace {

// How many differing lines of a changed file are kept to be shown.
constexpr int kShownLines = 20;

std::string linesDiffer(int count)
{
    return withThousands(count) + (count == 1 ? " line differs" : " lines differ");
}

// By FileStatus: New, Same, Changed.
constexpr std::array<const char*, 3> kStatusWords { "new", "same", "changed" };

} // namespace

FileChanges changesOf(const ComparingFiles& files)
{
    return compareFiles(files.files(), writers::onlyRunTimeDiffers, kShownLines);
}

std::string withThousands(int count)
{
    std::string digits = std::to_string(count);
    const std::size_t first = digits.starts_with('-') ? 1 : 0;
    for (std::size_t at = digits.size(); at > first + 3; at -= 3)
        digits.insert(at - 3, 1, ',');
    return digits;
}

std::string dryRunReport(const FileChanges& changes)
{
    std::string report;
    for (const FileChange& file : changes.files) {
        report += file.path + " " + kStatusWords[static_cast<std::size_t>(file.status)];
        if (file.status == FileStatus::Changed)
            report += " (" + linesDiffer(file.diff.differing) + ")";
        report += "\n";
    }
    report += withThousands(static_cast<int>(changes.files.size()))
        + " files: " + withThousands(changes.count(FileStatus::New)) + " new, "
        + withThousands(changes.count(FileStatus::Changed)) + " changed, "
        + withThousands(changes.count(FileStatus::Same)) + " same. Dry run: no file was written.\n";
    return report;
}

std::string changeSummary(const FileChanges& changes)
{
    const int same = changes.count(FileStatus::Same);
    return withThousands(static_cast<int>(changes.files.size()) - same) + " changed, "
        + withThousands(same) + " unchanged";
}

std::string changeDetails(const FileChanges& changes)
{
    std::string details;
    for (const FileChange& file : changes.files) {
        if (file.status != FileStatus::Changed)
            continue;
        details += file.path + ": " + linesDiffer(file.diff.differing);
        if (file.diff.differing > kShownLines)
            details += ", the first " + std::to_string(kShownLines) + " shown";
        details += "\n";
        for (const DiffLine& line : file.diff.shown)
            details += line.mark + std::to_string(line.number) + ": " + line.text + "\n";
        details += "\n";
    }
    for (const FileChange& file : changes.files)
        if (file.status == FileStatus::New)
            details += file.path + ": new file\n";
    if (details.empty())
        details = "No file changed: every file the command wrote was already the same.\n";
    return details;
}

} // namespace quorin
