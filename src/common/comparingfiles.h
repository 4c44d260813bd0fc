#pragma once

#include "common/filelayer.h"

#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace quorin {

// A file a run left: its bytes before the run (none: there was no file) and after it.
struct FileRecord {
    std::string path;
    std::optional<std::string> before;
    std::string after;
};

// A file layer that keeps, for every file a run touches, the bytes the file
// held before (read from the disk when the run first touches it) and the
// bytes it holds after, so that the run can say what it changed.
// Write: every call goes through to the layer below as well.
// DryRun: nothing reaches the layer below, not even a temporary file; the
// files are built in memory and the disk is only read. An open or rename the
// disk would refuse because its folder is missing, a part of the path is a
// file, or the name is a folder, is refused with the same error.
class ComparingFiles final : public FileLayer {
public:
    enum class Mode { Write, DryRun };

    ComparingFiles(FileLayer& below, Mode mode);

    std::unique_ptr<File> open(const std::string& path, FileLayer::Mode mode, int& error) override;
    int rename(const std::string& from, const std::string& to) override;
    void remove(const std::string& path) override;
    std::optional<std::uintmax_t> size(const std::string& path) override;
    int truncate(const std::string& path, std::uintmax_t size) override;

    // The files that exist after the run, in the order the run first touched them.
    std::vector<FileRecord> files() const;

private:
    struct Entry {
        std::optional<std::string> before;
        std::optional<std::string> after; // none: no file
    };
    class MemoryFile;
    class RecordingFile;

    Entry& touch(const std::string& path);
    bool dryRun() const { return mode_ == Mode::DryRun; }

    FileLayer& below_;
    Mode mode_;
    std::vector<std::string> order_;
    std::unordered_map<std::string, Entry> entries_;
};

} // namespace quorin
