#pragma once

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <set>
#include <string>

namespace quorin::test {

using Files = std::map<std::string, std::string>; // name -> bytes

// After a failed run every file is as it was or as the run writes it, whole;
// only a wave file, written in place, may be cut short, and only the one the
// failure names.
inline void expectNothingLost(const Files& before, const Files& whole, const Files& after,
    const std::string& failed, const std::string& trace)
{
    std::set<std::string> names;
    for (const Files* files : { &before, &whole, &after })
        for (const auto& file : *files)
            names.insert(file.first);
    for (const std::string& name : names) {
        const auto state = [&name](const Files& files) {
            const auto found = files.find(name);
            return found == files.end() ? std::optional<std::string>() : found->second;
        };
        const bool cutWaveFile
            = (name.contains(".@F") || name.contains(".BCWAVF")) && failed.ends_with("/" + name);
        EXPECT_TRUE(cutWaveFile || state(after) == state(before) || state(after) == state(whole))
            << trace << ": " << name;
    }
}

} // namespace quorin::test
