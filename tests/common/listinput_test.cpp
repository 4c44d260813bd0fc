#include "common/listinput.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorin {
namespace {

using Texts = std::vector<std::string>;
using Numbers = std::vector<double>;

Texts allTexts(const std::string& text)
{
    ListInput in(text);
    Texts fields;
    while (auto field = in.readText())
        fields.push_back(*field);
    return fields;
}

Numbers allNumbers(const std::string& text)
{
    ListInput in(text);
    Numbers numbers;
    while (auto number = in.readNumber())
        numbers.push_back(*number);
    return numbers;
}

TEST(ListInput, TextFields)
{
    EXPECT_EQ(allTexts("a\r\nb\rc\nd"), (Texts { "a", "b", "c", "d" }));
    EXPECT_EQ(allTexts("  x, y,,z\r\n\r\n"), (Texts { "x", "y", "", "z", "" }));
    EXPECT_EQ(allTexts("\"1,5\",next\r\n  \"two\r\nlines\" dropped, kept\r\n\"open"),
        (Texts { "1,5", "next", "two\r\nlines", "kept", "open" }));
}

TEST(ListInput, NumberFields)
{
    EXPECT_EQ(allNumbers("1,2 3\r\n\r\n  4\n5\r\t6 ,7"), (Numbers { 1, 2, 3, 4, 5, 6, 7 }));
    EXPECT_EQ(allNumbers("12abc 5,x,-.5e1"), (Numbers { 0, 5, 0, -5 }));
    EXPECT_EQ(allNumbers("1,,2 , ,3"), (Numbers { 1, 0, 2, 0, 3 }));
    EXPECT_EQ(allNumbers(" \r\n "), Numbers {});
}

TEST(ListInput, NumberConsumesOneLineEndBeforeAText)
{
    ListInput in("5 \r\n\r\nabc");
    EXPECT_EQ(in.readNumber(), 5);
    EXPECT_EQ(in.readText(), "");
    EXPECT_EQ(in.readText(), "abc");
    EXPECT_TRUE(in.atEnd());
}

TEST(ListInput, SettingsFile)
{
    const std::string lines[] = { " 14 ", " 0", " 1 ",
        " 2.5" + std::string(10, ' ') + " 7" + std::string(12, ' ') + " 1", "12", "70", " 113.3",
        "8", " 0 ", "3", "Spare", "Spare", "Spare", "50", "5", "Spare", "Spare", "4" };
    std::string file;
    for (const auto& line : lines)
        file += line + "\r\n";

    ListInput in(file);
    for (double expected : { 14.0, 0.0, 1.0, 2.5, 7.0, 1.0 })
        EXPECT_EQ(in.readNumber(), expected);
    EXPECT_EQ(in.readText(), "12");
    EXPECT_EQ(in.readText(), "70");
    EXPECT_EQ(in.readNumber(), 113.3);
    EXPECT_EQ(in.readText(), "8");
    EXPECT_EQ(in.readNumber(), 0);
    for (const char* expected : { "3", "Spare", "Spare", "Spare", "50", "5", "Spare" })
        EXPECT_EQ(in.readText(), expected);
    EXPECT_EQ(in.readNumber(), 0); // the last "Spare", read as a number
    EXPECT_EQ(in.readText(), "4");
    EXPECT_EQ(in.readText(), std::nullopt);
    EXPECT_EQ(in.readNumber(), std::nullopt);
}

TEST(ListInput, TruncatedFileRunsOut)
{
    ListInput in(" 14 \r\n 0");
    EXPECT_EQ(in.readNumber(), 14);
    EXPECT_EQ(in.readNumber(), 0);
    EXPECT_EQ(in.readNumber(), std::nullopt);
}

} // namespace
} // namespace quorin
