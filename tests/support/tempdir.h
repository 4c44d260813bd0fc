#pragma once

#include <map>
#include <string>

namespace quorin::test {

// A fresh directory under the system's temporary directory, removed with
// everything in it when the object goes.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return path_; }
    // path() joined with a name.
    std::string file(const std::string& name) const;
    // Writes bytes exactly as given (no line-end translation).
    void write(const std::string& name, const std::string& content) const;
    // The file's bytes; fails the current test when it cannot be read.
    std::string read(const std::string& name) const;
    // Every file under path(), in folders too, by its name below path(): its bytes.
    std::map<std::string, std::string> files() const;

private:
    std::string path_;
};

} // namespace quorin::test
