#include "common/listinput.h"

#include "common/numberreading.h"

#include <utility>

namespace quorin {

namespace {

bool isLineEnd(char c)
{
    return c == '\r' || c == '\n';
}

} // namespace

ListInput::ListInput(std::string text)
    : text_(std::move(text))
{
}

bool ListInput::atEnd() const
{
    return pos_ >= text_.size();
}

// One comma, or one line end (CR LF, a lone CR or a lone LF).
void ListInput::skipSeparatorAfterField()
{
    if (atEnd())
        return;
    const char c = text_[pos_];
    if (c == ',' || c == '\n') {
        ++pos_;
    } else if (c == '\r') {
        ++pos_;
        if (!atEnd() && text_[pos_] == '\n')
            ++pos_;
    }
}

std::optional<std::string> ListInput::readText()
{
    while (!atEnd() && text_[pos_] == ' ')
        ++pos_;
    if (atEnd())
        return std::nullopt;

    std::string field;
    if (text_[pos_] == '"') {
        const std::size_t start = pos_ + 1;
        const std::size_t close = text_.find('"', start);
        if (close == std::string::npos) {
            field = text_.substr(start);
            pos_ = text_.size();
            return field;
        }
        field = text_.substr(start, close - start);
        pos_ = close + 1;
        // Whatever follows the closing quote on its line is not part of the field.
        while (!atEnd() && text_[pos_] != ',' && !isLineEnd(text_[pos_]))
            ++pos_;
    } else {
        const std::size_t start = pos_;
        while (!atEnd() && text_[pos_] != ',' && !isLineEnd(text_[pos_]))
            ++pos_;
        field = text_.substr(start, pos_ - start);
    }
    skipSeparatorAfterField();
    return field;
}

std::optional<double> ListInput::readNumber()
{
    while (!atEnd() && (text_[pos_] == ' ' || text_[pos_] == '\t' || isLineEnd(text_[pos_])))
        ++pos_;
    if (atEnd())
        return std::nullopt;

    const std::size_t start = pos_;
    while (!atEnd() && text_[pos_] != ' ' && text_[pos_] != ',' && !isLineEnd(text_[pos_]))
        ++pos_;
    const std::string_view field = std::string_view(text_).substr(start, pos_ - start);
    const std::size_t length = detail::numberLength(field, '.');
    const double value = length != 0 && length == field.size() ? readLenient(field) : 0.0;

    while (!atEnd() && text_[pos_] == ' ')
        ++pos_;
    skipSeparatorAfterField();
    return value;
}

} // namespace quorin
