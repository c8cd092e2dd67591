#include "preview/SliderMath.h"

#include <gtest/gtest.h>

using preview::sliderPositionFor;
using preview::sliderTargetTime;

TEST(SliderMath, ReleaseAsksForTheDurationShareOfThePosition)
{
    struct Case {
        int64_t duration;
        int position, maximum;
        int64_t expected;
    };
    const Case cases[] = {
        {2000000, 101, 202, 1000000},
        {2000000, 202, 202, 2000000},
        {2000000, 0, 202, 0},
        {1000000, 1, 3, 333333},                      // truncated
        {36LL * 3600 * 1000000, 201, 202, 128958415841},  // long files: multiplied in 64 bits first
        {0, 101, 202, 0},                             // nothing open
        {2000000, 0, 0, 0},                           // a slider never prepared
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.duration) + " " + std::to_string(c.position));
        EXPECT_EQ(sliderTargetTime(c.duration, c.position, c.maximum), c.expected);
    }
}

TEST(SliderMath, PositionEventsMoveTheSliderOnlyWithADurationAndATime)
{
    EXPECT_EQ(sliderPositionFor(1000000, 2000000, 202), 101);
    EXPECT_EQ(sliderPositionFor(1999999, 2000000, 202), 201);  // truncated
    EXPECT_EQ(sliderPositionFor(0, 2000000, 202), 0);
    EXPECT_EQ(sliderPositionFor(36LL * 3600 * 1000000, 36LL * 3600 * 1000000, 202), 202);
    EXPECT_EQ(sliderPositionFor(500000, 0, 202), std::nullopt);
    EXPECT_EQ(sliderPositionFor(500000, -1, 202), std::nullopt);
    EXPECT_EQ(sliderPositionFor(-1, 2000000, 202), std::nullopt);
}
