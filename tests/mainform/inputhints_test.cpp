#include "mainform/inputhints.h"

#include "wavetable/wavetablefixture.h"

#include <gtest/gtest.h>

namespace quorin {
namespace {

TEST(InputHints, BoxesReadAsAnotherNumberThanTheyShow)
{
    // No hint: "". SCF is written as typed, never read as a number.
    const std::tuple<const char*, const char*, const char*> cases[] = { { "txtWAVESTEP", "12", "" },
        { "txtWAVESTEP", " 12 ", "" }, { "txtWAVESTEP", "", "" }, { "txtDEPTH", "113.3", "" },
        { "txtSCF", "four", "" }, { "txtWAVESTEP", "twelve", "reads as 0: it holds no number" },
        { "txtBLOCKS", "2,5", "reads as 2: the analysis suite needs \".\" as the decimal symbol" },
        { "txtSTART(1)", "200 and up", "reads as 200: what follows the number is not read" },
        { "txtDEPTH", "113,3", "is not a number: Create and Append will refuse it" } };
    for (const auto& [box, text, hint] : cases)
        EXPECT_EQ(boxHint(box, text, '.').value_or(""), hint) << box << " " << text;
}

TEST(InputHints, WaveRowsTheCountLeavesOutOrTakesWithoutAHeight)
{
    const GridModel waves = test::waveTable("2\t8\t1\r3,5\t9\t2\r\t10\t1\r4\t11\t5");
    std::string got;
    for (const CellHint& hint : waveHints(waves))
        got += std::to_string(hint.row) + "," + std::to_string(hint.col) + " "
            + hint.text.substr(0, hint.text.find(':')) + "; ";
    EXPECT_EQ(got, "2,1 reads as 3; 3,1 no height above 0; 4,1 not written; 4,3 theory 5; ");
}

} // namespace
} // namespace quorin
