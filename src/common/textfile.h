#pragma once

#include <optional>
#include <string>

namespace quorin {

// The whole content of a file, or std::nullopt when it cannot be read.
std::optional<std::string> readWholeFile(const std::string& path);
// Whether a file of that name exists (a plain directory lookup).
bool fileExists(const std::string& path);
// A directory and a file name joined with the platform's separator.
std::string joinPath(const std::string& directory, const std::string& name);

} // namespace quorin
