#pragma once

#include "common/clipboard.h"
#include "common/clock.h"
#include "common/filechooser.h"
#include "common/numberformat.h"
#include "common/prompter.h"
#include "common/settingsstore.h"

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace quorin::test {

// Records every message and answers from a script; with the script used up it
// answers the first button (Ok or Yes). onAsk, when set, runs as each message is shown.
class ScriptedPrompter : public Prompter {
public:
    struct Message {
        std::string text;
        Buttons buttons;
        Icon icon;
        std::string title;
    };

    explicit ScriptedPrompter(std::deque<Answer> answers = {})
        : answers_(std::move(answers))
    {
    }

    Answer ask(
        const std::string& text, Buttons buttons, Icon icon, const std::string& title) override
    {
        messages_.push_back({ text, buttons, icon, title });
        if (onAsk)
            onAsk();
        if (answers_.empty())
            return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
        const Answer answer = answers_.front();
        answers_.pop_front();
        return answer;
    }

    const std::vector<Message>& messages() const { return messages_; }
    std::function<void()> onAsk;

private:
    std::deque<Answer> answers_;
    std::vector<Message> messages_;
};

struct MemoryClipboard : Clipboard {
    void clear() override { held.clear(); }
    void setText(const std::string& text) override { held = text; }
    std::string text() const override { return held; }
    std::string held;
};

struct MapSettingsStore : SettingsStore {
    std::map<std::string, std::string> values; // keys are "application/section/key"
    std::string value(const std::string& application, const std::string& section,
        const std::string& key) const override
    {
        const auto found = values.find(application + "/" + section + "/" + key);
        return found == values.end() ? std::string() : found->second;
    }
};

// The date and time of the expected files.
struct FixedClock : Clock {
    std::string shortDate() const override { return "06/12/2026"; }
    std::string timeOfDay() const override { return "09:05:07"; }
};

struct FixedNumberFormat : NumberFormat {
    char decimalSymbol() const override { return '.'; }
};

// Answers the save dialog from a script: the file, or none for Cancel (with
// the script used up, Cancel). Records the name each question proposed.
class ScriptedFileChooser : public FileChooser {
public:
    std::optional<std::string> chooseSaveFile(
        const std::string&, const std::string& proposed, const std::vector<FileType>&) override
    {
        proposals.push_back(proposed);
        if (answers.empty())
            return std::nullopt;
        auto answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::deque<std::optional<std::string>> answers;
    std::vector<std::string> proposals;
};

} // namespace quorin::test
