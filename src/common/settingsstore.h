#pragma once

#include <string>

namespace quorin {

// The analysis suite's stored settings, read only. A missing key reads as "".
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual std::string value(const std::string& application, const std::string& section,
        const std::string& key) const = 0;
};

} // namespace quorin
