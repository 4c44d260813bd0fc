#pragma once

#include <string>

namespace quorin {

// Message boxes. A message without a title of its own carries the
// application title "Quorin".
class Prompter {
public:
    enum class Buttons { Ok, OkCancel, YesNo };
    enum class Icon { None, Critical };
    enum class Answer { Ok, Cancel, Yes, No };

    virtual ~Prompter() = default;
    virtual Answer ask(const std::string& text, Buttons buttons, Icon icon = Icon::None,
        const std::string& title = {})
        = 0;

    void tell(const std::string& text, Icon icon = Icon::None, const std::string& title = {})
    {
        ask(text, Buttons::Ok, icon, title);
    }
};

inline constexpr const char* kApplicationTitle = "Quorin";

} // namespace quorin
