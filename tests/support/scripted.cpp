#include "support/scripted.h"

namespace quorin::test {

Prompter::Answer ScriptedPrompter::ask(
    const std::string& text, Buttons buttons, Icon icon, const std::string& title)
{
    messages_.push_back({ text, buttons, icon, title });
    if (onAsk)
        onAsk();
    if (!answers_.empty()) {
        const Answer answer = answers_.front();
        answers_.pop_front();
        return answer;
    }
    return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
}

std::string MapSettingsStore::value(
    const std::string& application, const std::string& section, const std::string& key) const
{
    const auto found = values.find(application + "/" + section + "/" + key);
    return found == values.end() ? std::string() : found->second;
}

} // namespace quorin::test
