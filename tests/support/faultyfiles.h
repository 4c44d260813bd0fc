#pragma once

#include "common/filelayer.h"

#include <cerrno>
#include <string>
#include <utility>
#include <vector>

namespace quorin::test {

// The disk, failing on purpose: the failOpen-th open or the failWrite-th
// write (counted from 1; 0 never) fails with `error`; a failing write puts
// half its bytes on the disk, as when the disk fills up. Records the files
// opened, in order, and how many are open still.
class FaultyFiles final : public FileLayer {
public:
    int failOpen = 0;
    int failWrite = 0;
    int error = ENOSPC;

    std::vector<std::string> opened;
    int writes = 0;
    int openNow = 0;

    std::unique_ptr<File> open(const std::string& path, Mode mode, int& error) override
    {
        opened.push_back(path);
        if (static_cast<int>(opened.size()) == failOpen) {
            error = this->error;
            return nullptr;
        }
        auto file = disk_.open(path, mode, error);
        return file ? std::make_unique<CountedFile>(*this, std::move(file)) : nullptr;
    }
    int rename(const std::string& from, const std::string& to) override
    {
        return disk_.rename(from, to);
    }
    void remove(const std::string& path) override { disk_.remove(path); }
    std::optional<std::uintmax_t> size(const std::string& path) override
    {
        return disk_.size(path);
    }
    int truncate(const std::string& path, std::uintmax_t n) override
    {
        return disk_.truncate(path, n);
    }

private:
    struct CountedFile final : File {
        CountedFile(FaultyFiles& files, std::unique_ptr<File> file)
            : files_(files)
            , file_(std::move(file))
        {
            ++files_.openNow;
        }
        ~CountedFile() override { files_.openNow -= file_ ? 1 : 0; }
        int write(std::string_view bytes) override
        {
            if (++files_.writes != files_.failWrite)
                return file_->write(bytes);
            file_->write(bytes.substr(0, bytes.size() / 2));
            return files_.error;
        }
        int close() override
        {
            --files_.openNow;
            return std::exchange(file_, nullptr)->close();
        }
        FaultyFiles& files_;
        std::unique_ptr<File> file_;
    };
    DiskFiles disk_;
};

} // namespace quorin::test
