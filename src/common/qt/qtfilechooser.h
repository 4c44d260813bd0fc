#pragma once

#include "common/filechooser.h"

class QWidget;

namespace quorin {

// The desktop's save dialog over a parent window; it asks before it lets an
// existing file be chosen.
class QtFileChooser : public FileChooser {
public:
    void setParent(QWidget* parent) { parent_ = parent; }
    std::optional<std::string> chooseSaveFile(const std::string& title, const std::string& proposed,
        const std::vector<FileType>& types) override;

private:
    QWidget* parent_ = nullptr;
};

} // namespace quorin
