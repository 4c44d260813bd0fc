#include "common/textfile.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace quorin {

std::optional<std::string> readWholeFile(const std::string& path)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        return std::nullopt;
    return content;
}

bool fileExists(const std::string& path)
{
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

std::string joinPath(const std::string& directory, const std::string& name)
{
    return directory + static_cast<char>(std::filesystem::path::preferred_separator) + name;
}

} // namespace quorin
