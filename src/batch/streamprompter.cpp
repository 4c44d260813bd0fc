#include "batch/streamprompter.h"

namespace quorin {

Prompter::Answer StreamPrompter::ask(
    const std::string& text, Buttons buttons, Icon, const std::string&)
{
    std::string shown = text;
    for (char& ch : shown)
        if (ch == '\r')
            ch = '\n';
    out_ << shown << '\n';
    if (buttons == Buttons::YesNo)
        return answerYes_ ? Answer::Yes : Answer::No;
    return Answer::Ok;
}

} // namespace quorin
