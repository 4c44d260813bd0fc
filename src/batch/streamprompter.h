#pragma once

#include "common/prompter.h"

#include <ostream>

namespace quorin {

// Message boxes without a window: every message goes to a stream word for
// word (CR between lines becomes a line end); Yes/No questions are answered
// from the command line, OK/Cancel with OK.
class StreamPrompter : public Prompter {
public:
    StreamPrompter(std::ostream& out, bool answerYes)
        : out_(out)
        , answerYes_(answerYes)
    {
    }
    Answer ask(
        const std::string& text, Buttons buttons, Icon icon, const std::string& title) override;

private:
    std::ostream& out_;
    bool answerYes_;
};

} // namespace quorin
