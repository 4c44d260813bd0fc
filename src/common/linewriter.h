#pragma once

#include <cstdio>
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
// column n of a new line). Create replaces any file of the name; Append adds
// at the end and creates a missing file. Failures throw WriteError.
class LineWriter {
public:
    enum class Mode { Create, Append };

    LineWriter(std::string path, Mode mode);
    ~LineWriter();
    LineWriter(const LineWriter&) = delete;
    LineWriter& operator=(const LineWriter&) = delete;

    LineWriter& operator<<(std::string_view item);
    LineWriter& nextZone();
    LineWriter& tabTo(int column);
    LineWriter& endLine();
    // Writes "text" then CR LF.
    LineWriter& line(std::string_view text);

    // Writes what is buffered and closes the file; throws WriteError on failure.
    void close();
    const std::string& path() const { return path_; }

private:
    void flush();
    [[noreturn]] void fail(const char* what, int error);

    std::string path_;
    std::FILE* file_ = nullptr;
    std::string buffer_;
    int column_ = 1;
};

} // namespace quorin
