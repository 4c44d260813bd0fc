#include "support/tempdir.h"

#include "common/textfile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace quorin::test {

namespace fs = std::filesystem;

TempDir::TempDir()
{
    std::string pattern = (fs::temp_directory_path() / "quorin-test-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot make a temporary directory");
    path_ = pattern;
}

TempDir::~TempDir()
{
    std::error_code error;
    fs::remove_all(path_, error);
}

std::string TempDir::file(const std::string& name) const
{
    return joinPath(path_, name);
}

void TempDir::write(const std::string& name, const std::string& content) const
{
    const fs::path target = file(name);
    fs::create_directories(target.parent_path());
    std::ofstream out(target, std::ios::binary);
    out << content;
    if (!out)
        throw std::runtime_error("cannot write " + target.string());
}

std::string TempDir::read(const std::string& name) const
{
    const auto content = readWholeFile(file(name));
    if (!content) {
        ADD_FAILURE() << "cannot read " << file(name);
        return {};
    }
    return *content;
}

std::map<std::string, std::string> TempDir::files() const
{
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(path_))
        if (entry.is_regular_file()) {
            const std::string name = fs::relative(entry.path(), path_).string();
            files[name] = read(name);
        }
    return files;
}

} // namespace quorin::test
