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
        const std::string& text, Buttons buttons, Icon icon, const std::string& title) override;

    const std::vector<Message>& messages() const { return messages_; }
    std::function<void()> onAsk;

private:
    std::deque<Answer> answers_;
    std::vector<Message> messages_;
};

class MemoryClipboard : public Clipboard {
public:
    void clear() override { text_.clear(); }
    void setText(const std::string& text) override { text_ = text; }
    std::string text() const override { return text_; }

private:
    std::string text_;
};

class MapSettingsStore : public SettingsStore {
public:
    explicit MapSettingsStore(std::map<std::string, std::string> values = {})
        : values_(std::move(values))
    {
    }
    // Keys are "application/section/key".
    std::string value(const std::string& application, const std::string& section,
        const std::string& key) const override;

private:
    std::map<std::string, std::string> values_;
};

class FixedClock : public Clock {
public:
    FixedClock(std::string date = "06/12/2026", std::string time = "09:05:07")
        : date_(std::move(date))
        , time_(std::move(time))
    {
    }
    std::string shortDate() const override { return date_; }
    std::string timeOfDay() const override { return time_; }

private:
    std::string date_;
    std::string time_;
};

class FixedNumberFormat : public NumberFormat {
public:
    explicit FixedNumberFormat(char decimal = '.')
        : decimal_(decimal)
    {
    }
    char decimalSymbol() const override { return decimal_; }

private:
    char decimal_;
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
