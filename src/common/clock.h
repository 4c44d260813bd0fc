#pragma once

#include <string>

namespace quorin {

// The host's current date in its short date form and the time of day as
// "HH:MM:SS" (24-hour clock).
class Clock {
public:
    virtual ~Clock() = default;
    virtual std::string shortDate() const = 0;
    virtual std::string timeOfDay() const = 0;
};

} // namespace quorin
