#include "common/listinput.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace quorin {
namespace {

using Texts = std::vector<std::string>;
using Numbers = std::vector<double>;

// Every field of the text, each read with read until it returns nothing.
template <typename T>
std::vector<T> all(const std::string& text, std::optional<T> (ListInput::*read)())
{
    ListInput in(text);
    std::vector<T> fields;
    while (auto field = (in.*read)())
        fields.push_back(*field);
    return fields;
}

const auto allTexts = [](const std::string& text) { return all(text, &ListInput::readText); };
const auto allNumbers = [](const std::string& text) { return all(text, &ListInput::readNumber); };

TEST(ListInput, TextAndNumberFields)
{
    EXPECT_EQ(allTexts("a\r\nb\rc\nd"), (Texts { "a", "b", "c", "d" }));
    EXPECT_EQ(allTexts("  x, y,,z\r\n\r\n"), (Texts { "x", "y", "", "z", "" }));
    EXPECT_EQ(allTexts("\"1,5\",next\r\n  \"two\r\nlines\" dropped, kept\r\n\"open"),
        (Texts { "1,5", "next", "two\r\nlines", "kept", "open" }));
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
