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

} // namespace
} // namespace quorin
