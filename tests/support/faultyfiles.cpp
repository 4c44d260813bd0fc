#include "support/faultyfiles.h"

namespace quorin::test {

class FaultyFiles::CountedFile final : public FileLayer::File {
public:
    CountedFile(FaultyFiles& files, std::unique_ptr<File> file)
        : files_(files)
        , file_(std::move(file))
    {
        ++files_.openNow;
    }
    ~CountedFile() override
    {
        if (file_)
            --files_.openNow;
    }
    CountedFile(const CountedFile&) = delete;
    CountedFile& operator=(const CountedFile&) = delete;

    int write(std::string_view bytes) override
    {
        if (++files_.writes == files_.failWrite) {
            // Half of it reaches the disk, as when the disk fills up.
            file_->write(bytes.substr(0, bytes.size() / 2));
            return files_.error;
        }
        return file_->write(bytes);
    }

    int close() override
    {
        --files_.openNow;
        const int result = file_->close();
        file_.reset();
        return result;
    }

private:
    FaultyFiles& files_;
    std::unique_ptr<File> file_;
};

std::unique_ptr<FileLayer::File> FaultyFiles::open(const std::string& path, Mode mode, int& error)
{
    opened.push_back(path);
    if (static_cast<int>(opened.size()) == failOpen) {
        error = this->error;
        return nullptr;
    }
    auto file = disk_.open(path, mode, error);
    if (!file)
        return nullptr;
    return std::make_unique<CountedFile>(*this, std::move(file));
}

int FaultyFiles::rename(const std::string& from, const std::string& to)
{
    return disk_.rename(from, to);
}

void FaultyFiles::remove(const std::string& path)
{
    disk_.remove(path);
}

std::optional<std::uintmax_t> FaultyFiles::size(const std::string& path)
{
    return disk_.size(path);
}

int FaultyFiles::truncate(const std::string& path, std::uintmax_t size)
{
    return disk_.truncate(path, size);
}

} // namespace quorin::test
