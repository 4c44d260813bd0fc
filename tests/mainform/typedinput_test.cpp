#include "mainform/commandmodel.h"
#include "run/inputtable.h"
#include "scatter/scatterfixture.h"
#include "scatter/scattersave.h"
#include "wavetable/defaultwavesinput.h"

#include <gtest/gtest.h>

namespace quorin {
namespace {

// What a user may type: nothing, blanks, words, a lone sign, a number beyond
// every range, one just past 16 bits, a decimal comma, a very long text, and
// text beyond ASCII (UTF-8, and a byte that is no UTF-8).
const std::vector<std::string> kTyped
    = { "", " ", "abc", "-", "1e400", "32768", "1,5", std::string(10000, '9'), "\xC3\xB1", "\xFF" };

bool holdsNonNumber(const std::string& text)
{
    return text.find("INF") != std::string::npos || text.find("NAN") != std::string::npos;
}

// Every box a command converts, and every wave cell: each typed text ends in a
// refusal that names the box (and writes nothing), or in files that hold
// numbers only.
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
                        EXPECT_FALSE(holdsNonNumber(bytes)) << name;
                    continue;
                }
                ASSERT_EQ(m.prompter.messages().size(), 1u);
                EXPECT_EQ(m.dir.files().size(), 1u); // the wave data only
                EXPECT_EQ(m.setup.NoOfWaves, 0);
                const std::string& told = m.prompter.messages()[0].text;
                EXPECT_TRUE(told.starts_with("WAV Data")
                    || told.contains(field ? quotedName(*field) : "Height"))
                    << told;
            }
}

TEST(TypedInput, DefaultWavesBoxesRefuseOrGiveFiniteWaves)
{
    for (int box = 0; box < 4; ++box) {
        for (const std::string& typed : kTyped) {
            DefaultWaveTexts texts { "20", "2.5", "14", "22" };
            std::string* boxes[]
                = { &texts.numberOfWaves, &texts.minPeriod, &texts.maxPeriod, &texts.steepness };
            *boxes[box] = typed;
            const auto request = readDefaultWaveTexts(texts, '.');
            if (!request) {
                EXPECT_FALSE(request.error().field.empty()) << box << " " << typed.substr(0, 12);
                continue;
            }
            GridModel grid(kWaveGridRows, kWaveGridCols);
            std::int16_t waves = 0;
            const auto made
                = DefaultWaves(grid, request->parameters, request->WaveSteepness, waves, '.');
            for (int r = 1; made && r <= waves; ++r)
                EXPECT_FALSE(holdsNonNumber(grid.text(r, 1) + grid.text(r, 2))) << r;
        }
    }
}

TEST(TypedInput, ScatterSaveRefusesOrWritesNumbers)
{
    for (int box = 0; box < 3; ++box) {
        for (const std::string& typed : kTyped) {
            test::Editor e;
            if (box == 2)
                e.grid.setText(3, 4, typed);
            else
                (box == 0 ? e.boxes.scalingFactor : e.boxes.years) = typed;
            if (SaveScatter(e.store, e.context()))
                EXPECT_FALSE(holdsNonNumber(e.dir.read("DECK.DBS1"))) << box << " " << typed;
            else
                EXPECT_EQ(e.messages().size(), 1u) << box << " " << typed;
        }
    }
}

} // namespace
} // namespace quorin
