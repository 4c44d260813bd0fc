#pragma once

#include "common/prompter.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <unistd.h>

namespace quorin::fuzz {

// A property that does not hold is a finding: say which, then stop.
inline void require(bool holds, const char* property)
{
    if (holds)
        return;
    std::fprintf(stderr, "property broken: %s\n", property);
    std::abort();
}

inline std::string textOf(const std::uint8_t* data, std::size_t size)
{
    return std::string(reinterpret_cast<const char*>(data), size);
}

// A folder of this process's own under the temporary folder, made on first use.
inline const std::string& workFolder()
{
    static const std::string folder = [] {
        const auto path = std::filesystem::temp_directory_path()
            / ("quorin-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(path);
        return path.string();
    }();
    return folder;
}

inline std::string workFile(const std::string& name)
{
    return workFolder() + "/" + name;
}

inline void writeFile(const std::string& path, std::string_view bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// Message boxes answered Yes (or OK); counts what was told.
class CountingPrompter : public Prompter {
public:
    Answer ask(const std::string&, Buttons buttons, Icon, const std::string&) override
    {
        ++told;
        return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
    }
    int told = 0;
};

} // namespace quorin::fuzz
