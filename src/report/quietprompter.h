#pragma once

#include "common/prompter.h"

#include <string>

namespace quorin {

// The message boxes of the commands a report runs without showing them:
// questions are answered Yes (the report shows the run as if Create went
// ahead), and the last message is kept for the report to say.
class QuietPrompter final : public Prompter {
public:
    Answer ask(const std::string& text, Buttons buttons, Icon, const std::string&) override
    {
        told = text;
        return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
    }

    std::string told;
};

} // namespace quorin
