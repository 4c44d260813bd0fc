#pragma once

#include "common/clipboard.h"
#include "common/prompter.h"

class QWidget;

namespace quorin {

// Message boxes over a parent window. Lines joined by CR show as lines.
class QtPrompter : public Prompter {
public:
    explicit QtPrompter(QWidget* parent = nullptr)
        : parent_(parent)
    {
    }
    void setParent(QWidget* parent) { parent_ = parent; }
    Answer ask(
        const std::string& text, Buttons buttons, Icon icon, const std::string& title) override;

private:
    QWidget* parent_;
};

// The desktop clipboard, plain text only.
class QtClipboard : public Clipboard {
public:
    void clear() override;
    void setText(const std::string& text) override;
    std::string text() const override;
};

} // namespace quorin
