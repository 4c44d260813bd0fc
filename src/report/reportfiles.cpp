#include "report/reportfiles.h"

#include "common/comparingfiles.h"
#include "mainform/commands.h"
#include "report/quietprompter.h"

#include <algorithm>
#include <filesystem>

namespace quorin {

namespace {

namespace fs = std::filesystem;

struct Numbered {
    std::string_view stem; // the name before its last digits
    long number = -1; // -1: the name does not end in digits
};

Numbered numbered(std::string_view name)
{
    const std::size_t digits = name.find_last_not_of("0123456789") + 1;
    if (digits == name.size() || name.size() - digits > 9)
        return { name };
    return { name.substr(0, digits), std::stol(std::string(name.substr(digits))) };
}

// A path as the list shows it: within the folder, its name alone.
std::string shown(const fs::path& path, const fs::path& folder)
{
    const fs::path full = fs::absolute(path).lexically_normal();
    return full.parent_path() == folder ? full.filename().string() : full.string();
}

std::string stopText(const Failure& failure, const std::string& told)
{
    std::string message = failure.message.empty() ? told : failure.message;
    message.resize(std::min(message.find('\r'), message.size()));
    if (message.ends_with('.'))
        message.pop_back();
    if (!failure.file.empty())
        message += " (" + failure.file + ")";
    return "Create would stop here and write no file: " + message
        + ". Correct what it names and make the report again.";
}

} // namespace

std::vector<FileRange> fileRanges(const std::vector<std::string>& names)
{
    std::vector<FileRange> ranges;
    Numbered last;
    for (const std::string& name : names) {
        const Numbered now = numbered(name);
        if (!ranges.empty() && now.number >= 0 && last.number >= 0 && now.stem == last.stem
            && now.number == last.number + 1) {
            ranges.back().last = name;
            ++ranges.back().count;
        } else {
            ranges.push_back({ name, name, 1 });
        }
        last = now;
    }
    return ranges;
}

CreatePreview previewCreate(const MainInputs& inputs, const GridModel& waves, const RunSetup& setup,
    FileLayer& disk, const Clock& clock, char decimal)
{
    RunSetup copy = setup;
    QuietPrompter prompter;
    ComparingFiles memory(disk, ComparingFiles::Mode::DryRun);
    const auto outcome = createCommand(inputs, waves, copy, { prompter, memory, clock, decimal });
    CreatePreview preview;
    const fs::path folder
        = fs::absolute(fs::path(setup.ModelName)).lexically_normal().parent_path();
    preview.folder = folder.string();
    if (!outcome) {
        preview.stop = stopText(outcome.error(), prompter.told);
        return preview;
    }
    std::vector<std::string> names;
    for (const FileRecord& file : memory.files()) {
        names.push_back(shown(file.path, folder));
        preview.paths.push_back(fs::absolute(file.path).lexically_normal().string());
    }
    preview.count = static_cast<int>(names.size());
    preview.files = fileRanges(names);
    return preview;
}

} // namespace quorin
