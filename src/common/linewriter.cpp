#include "common/linewriter.h"

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

LineWriter::LineWriter(FileLayer& files, std::string path, Mode mode)
    : files_(files)
    , path_(std::move(path))
    , mode_(mode)
{
    if (mode_ == Mode::Append)
        sizeBefore_ = files_.size(path_);
    int error = 0;
    file_ = files_.open(mode_ == Mode::Replace ? replacingName(path_) : path_,
        mode_ == Mode::Append ? FileLayer::Mode::Append : FileLayer::Mode::Create, error);
    if (!file_)
        fail("could not be opened", error);
    buffer_.reserve(flushSize + 1024);
}

LineWriter::~LineWriter()
{
    if (file_)
        abandon();
}

// The writer stopped before close(): see the class comment. Failures here
// have nowhere to go.
void LineWriter::abandon()
{
    if (mode_ == Mode::Create && !buffer_.empty())
        file_->write(buffer_);
    file_->close();
    file_.reset();
    rollBack();
}

void LineWriter::rollBack()
{
    if (mode_ == Mode::Replace)
        files_.remove(replacingName(path_));
    else if (mode_ == Mode::Append && sizeBefore_)
        files_.truncate(path_, *sizeBefore_);
    else if (mode_ == Mode::Append)
        files_.remove(path_);
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
    int error = file_->close();
    file_.reset();
    if (error == 0 && mode_ == Mode::Replace)
        error = files_.rename(replacingName(path_), path_);
    if (error != 0) {
        rollBack();
        fail("could not be closed", error);
    }
}

void LineWriter::flush()
{
    if (buffer_.empty())
        return;
    if (!file_)
        fail("is already closed", 0);
    const int error = file_->write(buffer_);
    // What did not get written is dropped; the file stays open for the
    // destructor to close.
    buffer_.clear();
    if (error != 0)
        fail("could not be written", error);
}

void LineWriter::fail(const char* what, int error)
{
    throw WriteError(path_,
        error != 0 ? std::generic_category().message(error) : std::string("the file ") + what);
}

} // namespace quorin
