#include "engine/transcode/OptionTexts.h"

#include <gtest/gtest.h>

#include <stdexcept>

extern "C" {
#include <libavutil/macros.h>
}

using namespace engine::transcoding;

TEST(OptionTexts, FrameSizeIsWidthSeparatorHeight)
{
    struct Case { const char* text; int width; int height; };
    for (const Case& c : {Case{"720*576", 720, 576}, Case{"1280x720", 1280, 720}, Case{"320:240", 320, 240},
                          Case{"", 0, 0}, Case{"0*0", 0, 0}}) {
        FrameSize size = parseFrameSize(c.text);
        EXPECT_EQ(size.width, c.width) << c.text;
        EXPECT_EQ(size.height, c.height) << c.text;
    }
    for (const char* bad : {"720", "720**576", "abc", "720*", "-1*5"})
        EXPECT_THROW(parseFrameSize(bad), std::invalid_argument) << bad;
}

TEST(OptionTexts, FrameRatesBelowWholeNumbersAreTheNtscRates)
{
    struct Case { const char* text; int num; int den; };
    for (const Case& c : {Case{"25", 25, 1}, Case{"25.00", 25, 1}, Case{"29.97", 30000, 1001},
                          Case{"23.98", 24000, 1001}, Case{"23.97", 24000, 1001}, Case{"59.94", 60000, 1001},
                          Case{"12.5", 25, 2}, Case{"30000/1001", 30000, 1001}, Case{"", 0, 1}, Case{"0", 0, 1}}) {
        AVRational rate = parseFrameRate(c.text);
        EXPECT_EQ(rate.num, c.num) << c.text;
        EXPECT_EQ(rate.den, c.den) << c.text;
    }
    EXPECT_THROW(parseFrameRate("fast"), std::invalid_argument);
}

TEST(OptionTexts, AspectIsRatioOrDecimal)
{
    struct Case { const char* text; int num; int den; };
    for (const Case& c : {Case{"16:9", 16, 9}, Case{"4:3", 4, 3}, Case{"37:20", 37, 20}, Case{"1.7778", 16, 9},
                          Case{"1.3333", 4, 3}, Case{"", 0, 1}}) {
        AVRational aspect = parseAspectRatio(c.text);
        EXPECT_EQ(aspect.num, c.num) << c.text;
        EXPECT_EQ(aspect.den, c.den) << c.text;
    }
    EXPECT_THROW(parseAspectRatio("wide"), std::invalid_argument);
    EXPECT_THROW(parseCodecTag("DX5"), std::invalid_argument);
    EXPECT_EQ(parseCodecTag("DX50"), MKTAG('D', 'X', '5', '0'));
}
