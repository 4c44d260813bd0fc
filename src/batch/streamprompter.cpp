#include "batch/streamprompter.h"

namespace quorin {

Prompter::Answer StreamPrompter::ask(
    const std::string& text, Buttons buttons, Icon, const std::string&)
{
    // --overwrite has answered the question already.
    if (buttons == Buttons::YesNo && answerYes_)
        return Answer::Yes;
    std::string shown = text;
    for (char& ch : shown)
        if (ch == '\r')
            ch = '\n';
    out_ << shown << '\n';
    if (buttons == Buttons::YesNo) {
        out_ << "Use --overwrite to replace it.\n";
        return Answer::No;
    }
    return Answer::Ok;
}

} // namespace quorin
