#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quorin {

// A kind of file a chooser offers: "PDF document", "pdf".
struct FileType {
    std::string name;
    std::string ending; // without its point
};

// Asks where to save a file. The desktop's save dialog in the programs; a
// scripted answer in tests.
class FileChooser {
public:
    virtual ~FileChooser() = default;
    // The file chosen, or none when the user cancelled. proposed is the name
    // offered first; a name typed without an ending takes that of the type chosen.
    virtual std::optional<std::string> chooseSaveFile(
        const std::string& title, const std::string& proposed, const std::vector<FileType>& types)
        = 0;
};

} // namespace quorin
