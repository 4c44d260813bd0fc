#pragma once

#include "common/prompter.h"

#include <ostream>

namespace quorin {

// Message boxes without a window: every message goes to a stream word for
// word (CR between lines becomes a line end), OK/Cancel answered OK. A Yes/No
// question is answered from --overwrite: Yes without a word, or No after the
// question and how to answer Yes.
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
