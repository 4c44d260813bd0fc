#pragma once

#include "common/filelayer.h"

#include <cerrno>
#include <string>
#include <vector>

namespace quorin::test {

// The disk, failing on purpose: the failOpen-th open or the failWrite-th
// write (counted from 1; 0 never) fails with `error`. Records the files
// opened, in order, and how many are open still.
class FaultyFiles final : public FileLayer {
public:
    int failOpen = 0;
    int failWrite = 0;
    int error = ENOSPC;

    std::vector<std::string> opened;
    int writes = 0;
    int openNow = 0;

    std::unique_ptr<File> open(const std::string& path, Mode mode, int& error) override;
    int rename(const std::string& from, const std::string& to) override;
    void remove(const std::string& path) override;
    std::optional<std::uintmax_t> size(const std::string& path) override;
    int truncate(const std::string& path, std::uintmax_t size) override;

private:
    class CountedFile;
    DiskFiles disk_;
};

} // namespace quorin::test
