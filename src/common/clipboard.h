#pragma once

#include <string>

namespace quorin {

// The desktop's plain-text clipboard.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void clear() = 0;
    virtual void setText(const std::string& text) = 0;
    // Empty when the clipboard holds no text.
    virtual std::string text() const = 0;
};

} // namespace quorin
