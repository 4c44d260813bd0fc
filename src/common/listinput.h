#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace quorin {

// Reads the fields of a settings file, model.NAM or a scatter diagram file.
// Fields are separated by commas or line ends (CR LF, a lone CR or a lone LF).
// Text fields: leading spaces skipped, the field runs to the next comma or
// line end; a field that starts with a double quote runs to the next double
// quote and what follows it up to the comma or line end is dropped.
// Number fields: blanks and line ends before the field are skipped; the field
// ends at a space, comma, CR or LF and reads 0 unless it is wholly a number
// ("." as the decimal point); after it, spaces and at most one comma or one
// line end are consumed.
// Both return std::nullopt at the end of the text (nothing left to read).
class ListInput {
public:
    explicit ListInput(std::string text);

    std::optional<std::string> readText();
    std::optional<double> readNumber();
    bool atEnd() const;

private:
    void skipSeparatorAfterField();

    std::string text_;
    std::size_t pos_ = 0;
};

} // namespace quorin
