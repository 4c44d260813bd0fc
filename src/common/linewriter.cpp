#include "common/linewriter.h"

#include <cerrno>
#include <system_error>
#include <utility>

namespace quorin {

namespace {

// What is buffered before it goes to the file.
constexpr std::size_t flushSize = 64 * 1024;
constexpr int zoneWidth = 14;

} // namespace

WriteError::WriteError(std::string file, std::string reason)
    : std::runtime_error(file + ": " + reason)
    , file_(std::move(file))
    , reason_(std::move(reason))
{
}

LineWriter::LineWriter(std::string path, Mode mode)
    : path_(std::move(path))
{
    errno = 0;
    file_ = std::fopen(path_.c_str(), mode == Mode::Create ? "wb" : "ab");
    if (!file_)
        fail("could not be opened", errno);
    // Everything is collected in buffer_; a failing write shows at once.
    std::setvbuf(file_, nullptr, _IONBF, 0);
    buffer_.reserve(flushSize + 1024);
}

LineWriter::~LineWriter()
{
    if (!file_)
        return;
    // Leaves what was written so far; failures here have nowhere to go.
    if (!buffer_.empty())
        std::fwrite(buffer_.data(), 1, buffer_.size(), file_);
    std::fclose(file_);
}

LineWriter& LineWriter::operator<<(std::string_view item)
{
    buffer_ += item;
    const std::size_t lineEnd = item.find_last_of("\r\n");
    if (lineEnd == std::string_view::npos)
        column_ += static_cast<int>(item.size());
    else
        column_ = 1 + static_cast<int>(item.size() - lineEnd - 1);
    if (buffer_.size() >= flushSize)
        flush();
    return *this;
}

LineWriter& LineWriter::nextZone()
{
    const int target = ((column_ - 1) / zoneWidth + 1) * zoneWidth + 1;
    buffer_.append(static_cast<std::size_t>(target - column_), ' ');
    column_ = target;
    return *this;
}

LineWriter& LineWriter::tabTo(int column)
{
    if (column < 1)
        column = 1;
    if (column_ > column)
        endLine();
    buffer_.append(static_cast<std::size_t>(column - column_), ' ');
    column_ = column;
    return *this;
}

LineWriter& LineWriter::endLine()
{
    buffer_ += "\r\n";
    column_ = 1;
    if (buffer_.size() >= flushSize)
        flush();
    return *this;
}

LineWriter& LineWriter::line(std::string_view text)
{
    *this << text;
    return endLine();
}

void LineWriter::close()
{
    if (!file_) {
        if (!buffer_.empty())
            fail("is already closed", 0);
        return;
    }
    flush();
    std::FILE* file = std::exchange(file_, nullptr);
    errno = 0;
    if (std::fclose(file) != 0)
        fail("could not be closed", errno);
}

void LineWriter::flush()
{
    if (buffer_.empty())
        return;
    if (!file_)
        fail("is already closed", 0);
    errno = 0;
    const std::size_t written = std::fwrite(buffer_.data(), 1, buffer_.size(), file_);
    if (written != buffer_.size() || std::fflush(file_) != 0) {
        const int error = errno;
        // The file stays open so that the destructor closes it; what did not
        // get written is dropped.
        buffer_.clear();
        fail("could not be written", error);
    }
    buffer_.clear();
}

void LineWriter::fail(const char* what, int error)
{
    throw WriteError(path_,
        error != 0 ? std::generic_category().message(error) : std::string("the file ") + what);
}

} // namespace quorin
