#include "scatter/scattereditor.h"

#include <gtest/gtest.h>

namespace quorin {
namespace {

struct Step {
    const char* text;
    const char* down;
    const char* up;
};

TEST(ScatterEditor, DirectionStepsBetweenOneAndTwelveWithoutWrapping)
{
    const Step cases[] = {
        { "1", "1", "2" },
        { "12", "11", "12" },
        { "11.5", "10.5", "12.5" },
        { "1.5", "0.5", "2.5" },
        { "north", "north", "1" },
        { " 3x", "2", "4" },
    };
    for (const auto& [text, down, up] : cases) {
        EXPECT_EQ(stepDirectionDown(text, '.'), down) << text;
        EXPECT_EQ(stepDirectionUp(text, '.'), up) << text;
    }
}

} // namespace
} // namespace quorin
