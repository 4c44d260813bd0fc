#pragma once

namespace quorin {

// The user's number format: the decimal symbol numbers are shown and read with.
class NumberFormat {
public:
    virtual ~NumberFormat() = default;
    virtual char decimalSymbol() const = 0;
};

} // namespace quorin
