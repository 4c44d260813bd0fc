#pragma once

#include <string_view>

namespace quorin {

// The batch control file Create writes: a static-only run when "Frequency
// Case" holds "-", otherwise a dynamic run, with the static-improvement stage
// unless "Exclude Static Improvement" is ticked.
enum class ControlFileKind { StaticOnly, DynamicOnly, DynamicStatic };

ControlFileKind controlFileKind(std::string_view frequencyCase, bool excludeStaticImprovement);

// The kind in words: "static only", "dynamic without static improvement",
// "dynamic with static improvement".
std::string_view controlFileKindName(ControlFileKind kind);

} // namespace quorin
