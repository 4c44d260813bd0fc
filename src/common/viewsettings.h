#pragma once

#include <string>

namespace quorin {

// The program's own stored view state (which panels show), kept between runs
// in a store of its own, apart from the analysis suite's settings, which the
// program only reads. A missing key reads as "".
class ViewSettings {
public:
    virtual ~ViewSettings() = default;
    virtual std::string value(const std::string& key) const = 0;
    virtual void setValue(const std::string& key, const std::string& value) = 0;
};

} // namespace quorin
