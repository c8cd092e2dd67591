#include "engine/player/FrameScaler.h"

#include <gtest/gtest.h>

using engine::fitInside;
using engine::Size;

TEST(FitInside, KeepsTheDisplayShapeInsideTheBox)
{
    struct Case {
        Size frame;
        int sarNum, sarDen;
        Size box;
        Size expected;
    };
    const Case cases[] = {
        {{1280, 720}, 0, 0, {200, 124}, {200, 113}},   // wider than the box
        {{320, 240}, 0, 0, {200, 124}, {165, 124}},    // taller than the box
        {{200, 124}, 1, 1, {200, 124}, {200, 124}},    // exactly the box
        {{720, 576}, 64, 45, {200, 124}, {200, 113}},  // anamorphic 16:9
        {{720, 576}, 16, 15, {200, 124}, {165, 124}},  // anamorphic 4:3
        {{4, 4000}, 0, 0, {200, 124}, {1, 124}},       // never below one pixel
        {{320, 240}, 0, 0, {0, 0}, {0, 0}},            // no screen
        {{0, 0}, 0, 0, {200, 124}, {0, 0}},            // no picture
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.frame.width) + "x" + std::to_string(c.frame.height));
        EXPECT_EQ(fitInside(c.frame, c.sarNum, c.sarDen, c.box), c.expected);
    }
}
