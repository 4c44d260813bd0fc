#include "wavetable/defaultwavesinput.h"

#include <gtest/gtest.h>

namespace quorin {
namespace {

TEST(DefaultWavesDialog, KeyFilters)
{
    // Key, what RealIn and IntIn make of it.
    const int cases[][3] = { { '0', '0', '0' }, { '9', '9', '9' }, { 'e', 'E', 0 }, { 'E', 'E', 0 },
        { 8, 8, 8 }, { ',', ',', 0 }, { '-', '-', 0 }, { '.', '.', 0 }, { 3, 3, 0 }, { 24, 24, 0 },
        { 22, 22, 0 }, { 13, 0, 0 }, { '+', 0, 0 }, { ' ', 0, 0 }, { 'x', 0, 0 }, { '/', 0, 0 },
        { ':', 0, 0 } };
    for (const auto& c : cases) {
        EXPECT_EQ(RealIn(c[0]), c[1]) << c[0];
        EXPECT_EQ(IntIn(c[0]), c[2]) << c[0];
    }
}

TEST(DefaultWavesDialog, ValidNumKeepsNumbersAsTyped)
{
    const std::pair<const char*, const char*> cases[] = { { "1E3", "1E3" }, { " 2.50 ", " 2.50 " },
        { "-", "0" }, { "", "0" }, { "1e39", "0" }, { "2,5", "0" } };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(ValidNum(text, '.'), expected) << text;
    EXPECT_EQ(ValidNum("2,5", ','), "2,5");
}

TEST(DefaultWavesDialog, AcceptedTexts)
{
    const auto typed = readDefaultWaveTexts({ " 007 ", "1E3", "-3,5", "18,5" }, ',');
    ASSERT_TRUE(typed.has_value());
    EXPECT_EQ(typed->parameters.NumDefaultWaves, 7);
    EXPECT_EQ(typed->parameters.MinPeriod, 1000.0f);
    EXPECT_EQ(typed->parameters.MaxPeriod, -3.5f);
    EXPECT_EQ(typed->WaveSteepness, 18.5f);
}

TEST(DefaultWavesDialog, RefusalsNameTheBox)
{
    struct Case {
        DefaultWaveTexts texts;
        const char *message, *field;
    } const cases[] = {
        { { " ", "2.5", "14", "22" }, "Number of Waves: the box is empty", "txtINTEG(0)" },
        { { "20.0", "2.5", "14", "22" }, "Number of Waves: \"20.0\" is not a whole",
            "txtINTEG(0)" },
        { { "+20", "2.5", "14", "22" }, "Number of Waves: \"+20\" is not a whole", "txtINTEG(0)" },
        { { "2e1", "2.5", "14", "22" }, "Number of Waves: \"2e1\" is not a whole", "txtINTEG(0)" },
        { { "99999999999", "2.5", "14", "22" }, "Number of Waves: at most 100", "txtINTEG(0)" },
        { { "20", "abc", "14", "22" }, "Minimum Period Secs: \"abc\" is not", "txtREAL(0)" },
        { { "20", "2.5", "14", "1e39" }, "Wave Steepness: \"1e39\" is not", "txtREAL(1)" },
        { { "3", "2.5", "-2.5", "22" }, "Generate Default Waves: a frequency of 0", "" },
    };
    for (const auto& c : cases) {
        const auto result = readDefaultWaveTexts(c.texts, '.');
        ASSERT_FALSE(result.has_value()) << c.message;
        EXPECT_TRUE(result.error().message.starts_with(c.message)) << result.error().message;
        EXPECT_EQ(result.error().field, c.field) << c.message;
    }
}

} // namespace
} // namespace quorin
