#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace quorin {

// Where output files go: the disk in both programs; in tests, a layer that
// fails on purpose. Failures are the system's error numbers (0: none).
class FileLayer {
public:
    enum class Mode { Create, Append };

    class File {
    public:
        virtual ~File() = default;
        virtual int write(std::string_view bytes) = 0;
        virtual int close() = 0;
    };

    virtual ~FileLayer() = default;
    // Create replaces any file of the name; Append adds at the end and
    // creates a missing file. nullptr, with error set, when it cannot be opened.
    virtual std::unique_ptr<File> open(const std::string& path, Mode mode, int& error) = 0;
    // Puts the file `from` in the place of `to`, replacing it whole.
    virtual int rename(const std::string& from, const std::string& to) = 0;
    virtual void remove(const std::string& path) = 0;
    // The size of an existing regular file.
    virtual std::optional<std::uintmax_t> size(const std::string& path) = 0;
    virtual int truncate(const std::string& path, std::uintmax_t size) = 0;
};

// The disk, through the C library.
class DiskFiles final : public FileLayer {
public:
    std::unique_ptr<File> open(const std::string& path, Mode mode, int& error) override;
    int rename(const std::string& from, const std::string& to) override;
    void remove(const std::string& path) override;
    std::optional<std::uintmax_t> size(const std::string& path) override;
    int truncate(const std::string& path, std::uintmax_t size) override;
};

} // namespace quorin
