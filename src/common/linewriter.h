#pragma once

#include "common/filelayer.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace quorin {

// A file that could not be created, written or closed: the file's name and
// the reason in the user's words.
class WriteError : public std::runtime_error {
public:
    WriteError(std::string file, std::string reason);
    const std::string& file() const { return file_; }
    const std::string& reason() const { return reason_; }

private:
    std::string file_;
    std::string reason_;
};

// The one buffered writer every output file goes through. Lines end with
// CR LF; items are joined directly, nextZone() moves to the next print zone
// of 14 columns (1, 15, 29, ...), tabTo(n) to column n (1-based; past it,
// column n of a new line). Failures throw WriteError.
//
// A writer destroyed before close() succeeded (its writer stopped) leaves,
// by mode: Create, what it wrote; Replace, any old file whole (the new one
// is written beside it, named replacingName(), and put in its place by
// close()); Append, the file as it was before.
class LineWriter {
public:
    enum class Mode { Create, Replace, Append };

    LineWriter(FileLayer& files, std::string path, Mode mode);
    ~LineWriter();
    LineWriter(const LineWriter&) = delete;
    LineWriter& operator=(const LineWriter&) = delete;

    LineWriter& operator<<(std::string_view item);
    LineWriter& nextZone();
    LineWriter& tabTo(int column);
    LineWriter& endLine();
    // Writes "text" then CR LF.
    LineWriter& line(std::string_view text);

    // Writes what is buffered and closes the file (putting it in its place
    // when replacing); throws WriteError on failure.
    void close();
    const std::string& path() const { return path_; }

    static std::string replacingName(const std::string& path) { return path + ".saving"; }

private:
    void flush();
    [[noreturn]] void fail(const char* what, int error);
    void abandon();
    void rollBack();

    FileLayer& files_;
    std::string path_;
    Mode mode_;
    std::unique_ptr<FileLayer::File> file_;
    std::optional<std::uintmax_t> sizeBefore_; // Append: the file's size when opened
    std::string buffer_;
    int column_ = 1;
};

} // namespace quorin
