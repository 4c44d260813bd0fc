#include "mainform/inputhints.h"

#include "common/numberforms.h"
#include "common/numberreading.h"
#include "mainform/commands.h"

#include <array>

namespace quorin {

namespace {

enum class Reading { Lenient, Strict };

struct ReadBox {
    std::string_view objectName;
    Reading reading;
};

// The boxes Create and Append read as numbers, and how.
constexpr std::array<ReadBox, 9> kReadBoxes { {
    { "txtWAVESTEP", Reading::Lenient },
    { "txtBLOCKS", Reading::Lenient },
    { "txtSTART(1)", Reading::Lenient },
    { "txtSTART(0)", Reading::Strict },
    { "txtSTARTDIR", Reading::Strict },
    { "txtDEPTH", Reading::Strict },
    { "Text1(2)", Reading::Strict },
    { "Text1(1)", Reading::Strict },
    { "txtSTART(3)", Reading::Strict },
} };

std::string_view trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

// How lenient reading takes a text that is not wholly a number.
std::optional<std::string> lenientHint(std::string_view text)
{
    const std::string_view shown = trimmed(text);
    const std::size_t length = detail::numberLength(shown, '.');
    if (length == shown.size() && length > 0)
        return std::nullopt;
    const std::string value = textForm(readLenient(text), Precision::Double);
    if (length == 0)
        return shown.empty() ? std::nullopt : std::optional("reads as 0: it holds no number");
    if (shown[length] == ',')
        return "reads as " + value + ": the analysis suite needs \".\" as the decimal symbol";
    return "reads as " + value + ": what follows the number is not read";
}

} // namespace

std::optional<std::string> boxHint(
    std::string_view objectName, std::string_view text, char decimalSymbol)
{
    for (const ReadBox& box : kReadBoxes) {
        if (box.objectName != objectName)
            continue;
        if (box.reading == Reading::Lenient)
            return lenientHint(text);
        if (!toDoubleStrict(text, decimalSymbol))
            return std::string("is not a number: Create and Append will refuse it");
        return std::nullopt;
    }
    return std::nullopt;
}

std::vector<CellHint> waveHints(const GridModel& waves)
{
    std::vector<CellHint> hints;
    const int taken = countWaves(waves);
    for (int r = 1; r < waves.rows(); ++r) {
        const bool counted = readLenient(waves.text(r, 1)) > 0;
        if (r <= taken && !counted)
            hints.push_back({ r, 1,
                "no height above 0: this row is written as a wave, and the last row with a "
                "height is left out" });
        else if (r > taken && counted)
            hints.push_back({ r, 1,
                "not written: the waves are taken from row 1 down, as many as there are rows "
                "with a height" });
        for (int c = 1; c <= 3; ++c) {
            const std::string& text = waves.text(r, c);
            if (auto hint = lenientHint(text))
                hints.push_back({ r, c, *hint });
            else if (c == 3 && !text.empty() && readLenient(text) != 1 && readLenient(text) != 2)
                hints.push_back({ r, c,
                    "theory " + std::string(trimmed(text))
                        + ": every theory but 1 (linear) is read as Stokes fifth order" });
        }
    }
    return hints;
}

} // namespace quorin
