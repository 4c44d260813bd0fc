#include "mainform/commandmodel.h"
#include "run/inputtable.h"

#include <gtest/gtest.h>

namespace quorin {
namespace {

// What a user may type: nothing, blanks, words, a lone sign, a number beyond
// every range, one just past 16 bits, a decimal comma, a very long text, and
// text beyond ASCII (UTF-8, and a byte that is no UTF-8).
const std::vector<std::string> kTyped
    = { "", " ", "abc", "-", "1e400", "32768", "1,5", std::string(10000, '9'), "\xC3\xB1", "\xFF" };

// Every box a command converts, and every wave cell: each typed text ends in a
// refusal that names the box and what it holds (and writes nothing), or in
// files that hold numbers only.
TEST(TypedInput, CommandsRefuseTheBoxOrWriteNumbers)
{
    const char* boxes[] = { "txtSTART(0)", "txtBLOCKS", "txtSTARTDIR", "txtWAVESTEP", "txtDEPTH",
        "Text1(2)", "Text1(1)", "txtSTART(1)", "txtSTART(3)", "Grid2" };
    for (const char* box : boxes)
        for (const std::string& typed : kTyped)
            for (const bool append : { false, true }) {
                SCOPED_TRACE(std::string(box) + " \"" + typed.substr(0, 12) + "\"");
                test::CommandModel m;
                const InputField* field = findInput(box);
                if (field)
                    field->text(m.inputs) = typed;
                else
                    m.waves.setText(1, 1, typed);
                if (m.run(append)) {
                    for (const auto& [name, bytes] : m.dir.files())
                        EXPECT_FALSE(bytes.contains("INF") || bytes.contains("NAN")) << name;
                    continue;
                }
                ASSERT_EQ(m.prompter.messages().size(), 1u);
                // The wave data only, and no wave taken.
                EXPECT_EQ(std::tuple(m.dir.files().size(), m.setup.NoOfWaves), std::tuple(1u, 0));
                const std::string& told = m.prompter.messages()[0].text;
                EXPECT_TRUE(told.starts_with("WAV Data")
                    || (told.contains(field ? quotedName(*field) : "Height")
                        && told.contains(" holds \"" + shortened(typed) + "\"")))
                    << told;
            }
}

} // namespace
} // namespace quorin
