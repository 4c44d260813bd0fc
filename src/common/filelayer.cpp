#include "common/filelayer.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>
#include <utility>

namespace quorin {

namespace {

class DiskFile final : public FileLayer::File {
public:
    explicit DiskFile(std::FILE* file)
        : file_(file)
    {
    }
    ~DiskFile() override
    {
        if (file_)
            std::fclose(file_);
    }
    DiskFile(const DiskFile&) = delete;
    DiskFile& operator=(const DiskFile&) = delete;

    int write(std::string_view bytes) override
    {
        errno = 0;
        if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()
            || std::fflush(file_) != 0)
            return errno != 0 ? errno : EIO;
        return 0;
    }

    int close() override
    {
        std::FILE* file = std::exchange(file_, nullptr);
        errno = 0;
        if (std::fclose(file) != 0)
            return errno != 0 ? errno : EIO;
        return 0;
    }

private:
    std::FILE* file_;
};

int errorOf(const std::error_code& error)
{
    return error ? error.value() : 0;
}

} // namespace

std::unique_ptr<FileLayer::File> DiskFiles::open(const std::string& path, Mode mode, int& error)
{
    errno = 0;
    std::FILE* file = std::fopen(path.c_str(), mode == Mode::Create ? "wb" : "ab");
    if (!file) {
        error = errno != 0 ? errno : EIO;
        return nullptr;
    }
    // The line writer buffers; what it hands over goes to the file at once.
    std::setvbuf(file, nullptr, _IONBF, 0);
    error = 0;
    return std::make_unique<DiskFile>(file);
}

int DiskFiles::rename(const std::string& from, const std::string& to)
{
    std::error_code error;
    std::filesystem::rename(from, to, error);
    return errorOf(error);
}

void DiskFiles::remove(const std::string& path)
{
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
}

std::optional<std::uintmax_t> DiskFiles::size(const std::string& path)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return std::nullopt;
    const auto bytes = std::filesystem::file_size(path, error);
    return error ? std::nullopt : std::optional(bytes);
}

int DiskFiles::truncate(const std::string& path, std::uintmax_t size)
{
    std::error_code error;
    std::filesystem::resize_file(path, size, error);
    return errorOf(error);
}

} // namespace quorin
