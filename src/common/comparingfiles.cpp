#include "common/comparingfiles.h"

#include "common/textfile.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

namespace quorin {

namespace {

// The error the disk would give for creating a file of this name, as far as
// the folders tell: a missing folder, a file where a folder should be, or a
// folder of the name.
int refusalOf(const std::string& path)
{
    namespace fs = std::filesystem;
    if (path.empty())
        return ENOENT;
    std::error_code error;
    const fs::path file(path);
    if (fs::is_directory(file, error))
        return EISDIR;
    const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
    const fs::file_status status = fs::status(folder, error);
    if (error)
        return error.value();
    return fs::is_directory(status) ? 0 : ENOTDIR;
}

} // namespace

// What a dry run writes: the bytes of the entry, in memory.
class ComparingFiles::MemoryFile final : public FileLayer::File {
public:
    explicit MemoryFile(std::string& bytes)
        : bytes_(bytes)
    {
    }
    int write(std::string_view bytes) override
    {
        bytes_ += bytes;
        return 0;
    }
    int close() override { return 0; }

private:
    std::string& bytes_;
};

// What a writing run writes: to the file below, and what it took into the entry.
class ComparingFiles::RecordingFile final : public FileLayer::File {
public:
    RecordingFile(std::unique_ptr<File> file, std::string& bytes)
        : file_(std::move(file))
        , bytes_(bytes)
    {
    }
    int write(std::string_view bytes) override
    {
        const int error = file_->write(bytes);
        if (error == 0)
            bytes_ += bytes;
        return error;
    }
    int close() override { return file_->close(); }

private:
    std::unique_ptr<File> file_;
    std::string& bytes_;
};

ComparingFiles::ComparingFiles(FileLayer& below, Mode mode)
    : below_(below)
    , mode_(mode)
{
}

ComparingFiles::Entry& ComparingFiles::touch(const std::string& path)
{
    const auto [found, added] = entries_.try_emplace(path);
    if (added) {
        order_.push_back(path);
        found->second.before = readWholeFile(path);
        found->second.after = found->second.before;
    }
    return found->second;
}

std::unique_ptr<FileLayer::File> ComparingFiles::open(
    const std::string& path, FileLayer::Mode mode, int& error)
{
    Entry& entry = touch(path);
    std::unique_ptr<File> file;
    if (dryRun()) {
        error = refusalOf(path);
    } else {
        file = below_.open(path, mode, error);
    }
    if (error != 0)
        return nullptr;
    if (mode == FileLayer::Mode::Create || !entry.after)
        entry.after.emplace();
    if (dryRun())
        return std::make_unique<MemoryFile>(*entry.after);
    return std::make_unique<RecordingFile>(std::move(file), *entry.after);
}

int ComparingFiles::rename(const std::string& from, const std::string& to)
{
    Entry& target = touch(to);
    Entry& source = touch(from);
    int error = 0;
    if (dryRun())
        error = !source.after ? ENOENT : refusalOf(to);
    else
        error = below_.rename(from, to);
    if (error != 0)
        return error;
    target.after = std::move(source.after);
    source.after.reset();
    return 0;
}

void ComparingFiles::remove(const std::string& path)
{
    Entry& entry = touch(path);
    if (!dryRun())
        below_.remove(path);
    entry.after.reset();
}

std::optional<std::uintmax_t> ComparingFiles::size(const std::string& path)
{
    if (!dryRun())
        return below_.size(path);
    const auto found = entries_.find(path);
    if (found == entries_.end())
        return below_.size(path);
    if (!found->second.after)
        return std::nullopt;
    return found->second.after->size();
}

int ComparingFiles::truncate(const std::string& path, std::uintmax_t size)
{
    Entry& entry = touch(path);
    const int error = dryRun() ? (entry.after ? 0 : ENOENT) : below_.truncate(path, size);
    if (error == 0 && entry.after)
        entry.after->resize(size);
    return error;
}

std::vector<FileRecord> ComparingFiles::files() const
{
    std::vector<FileRecord> records;
    for (const std::string& path : order_) {
        const Entry& entry = entries_.at(path);
        if (entry.after)
            records.push_back({ path, entry.before, *entry.after });
    }
    return records;
}

} // namespace quorin
