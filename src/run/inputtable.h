#pragma once

#include "common/result.h"
#include "run/maininputs.h"
#include "run/runsetup.h"

#include <span>
#include <string>
#include <string_view>

namespace quorin {

// How an input takes its value: from the view's control, and from quorin-batch.
enum class InputKind {
    Text, // a text box; TEXT, put into the box as typed
    OnOff, // a check box without a click rule; on|off
    Switch, // a check box with a click rule; --name clicks it checked, --no-name unchecked
    Choice, // an option group; one of its choices' names
    WaveFile, // the wave table, filled from FILE (no control of its own)
    DefaultWaves, // Generate Default Waves with the four texts N,MIN,MAX,STEEP, then OK
};

// One option button of an option group; a choice without a caption is
// another quorin-batch name for the option of its element.
struct Choice {
    std::string_view name; // quorin-batch's value
    int element; // the option button's index
    std::string_view caption;
};

// A click rule: what clicking the control does to the other inputs (value:
// 0 or 1 for a check box, the element for an option group).
using ClickRule = void (*)(MainInputs&, RunSetup&, int value);

// One input of the main view.
struct InputField {
    std::string_view objectName; // "txtSTART(0)"; an option group's array name ("Option1")
    std::string_view caption; // as shown, an ampersand before the access key; "" when none
    std::string_view frame; // the assessment frame that holds it, or ""
    std::string_view option; // quorin-batch's option, without "--"
    InputKind kind;
    std::string_view help; // one sentence
    std::string& (*text)(MainInputs&) = nullptr; // Text
    bool& (*flag)(MainInputs&) = nullptr; // OnOff, Switch
    int& (*choice)(MainInputs&) = nullptr; // Choice
    std::span<const Choice> choices = {};
    ClickRule click = nullptr;
    std::string_view accessibleName = {}; // for a control without a caption
    std::string_view unit = {}; // of a number: "m", "s", "deg", "%"; "" for none

    // The name screen readers and messages use: the caption without its
    // ampersand and trailing spaces, or the accessible name given.
    std::string name() const;
    // The form of quorin-batch's value: "TEXT", "on|off", the choices' names
    // joined by "|"; "" for a switch, which takes none.
    std::string valueForm() const;
    // How quorin-batch sets it: "--damping TEXT", "--[no-]static-only".
    std::string batchUsage() const;
};

// Every input, in the order quorin-batch applies its options.
std::span<const InputField> inputFields();
// The input of a control (or option group) by its object name; nullptr when none.
const InputField* findInput(std::string_view objectName);

// "\"Thickness\" of \"Global Assessments\"": an input named for a message.
std::string quotedName(const InputField& field);

// A text for a message: at most 40 bytes of it, then "..." when it is longer.
std::string shortened(std::string_view text);

// A command's refusal of a box: names the box and the text it holds, says
// why ("is not a number"), and that nothing was written.
Failure refuseBox(std::string_view objectName, std::string_view text, std::string_view why);

} // namespace quorin
