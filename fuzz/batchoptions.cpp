// quorin-batch's command line: arguments separated by NUL bytes.
#include "batch/batchoptions.h"
#include "fuzzsupport.h"
#include "run/inputtable.h"

#include <algorithm>

using namespace quorin;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::string> args(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0)
            args.emplace_back();
        else
            args.back() += static_cast<char>(data[i]);
    }
    const auto options = parseBatchOptions(args);
    if (!options) {
        fuzz::require(!options.error().message.empty(), "a usage error says what is wrong");
        return 0;
    }
    for (const auto& [name, value] : options->values) {
        const auto field
            = std::ranges::find(inputFields(), std::string_view(name), &InputField::option);
        fuzz::require(field != inputFields().end(), "every value belongs to an input option");
        if (field->kind == InputKind::Choice)
            fuzz::require(std::ranges::find(field->choices, std::string_view(value), &Choice::name)
                    != field->choices.end(),
                "a choice is one of the group's");
    }
    if (options->values.contains("waves"))
        return 0; // reading a named file is not this target's concern

    // Every text option lands in its box exactly as given, whatever click rules ran.
    // Default waves the dialog's OK would refuse fail, having told why; anything else applies.
    MainInputs inputs;
    Session session;
    fuzz::CountingPrompter prompter;
    if (!applyBatchOptions(*options, inputs, session, prompter, '.')) {
        fuzz::require(options->values.contains("default-waves") && prompter.told > 0,
            "only refused default waves keep parsed options from applying");
        return 0;
    }
    for (const InputField& field : inputFields())
        if (field.kind == InputKind::Text && options->values.contains(std::string(field.option)))
            fuzz::require(field.text(inputs) == options->values.at(std::string(field.option)),
                "a text option is put into its box as given");
    return 0;
}
