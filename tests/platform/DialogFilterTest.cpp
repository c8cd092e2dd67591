#include "platform/DialogFilter.h"

#include <gtest/gtest.h>

TEST(DialogFilter, TurnsDescriptionPatternPairsIntoQtNameFilters)
{
    struct Case {
        const char* filter;
        QStringList expected;
    };
    const Case cases[] = {
        {"视频文件|*.avi;*.mp4|所有文件|*.*|",
         {QStringLiteral("视频文件 (*.avi *.mp4)"), QStringLiteral("所有文件 (*.*)")}},
        {"音频|*.mp3", {QStringLiteral("音频 (*.mp3)")}},
        {"音频|*.mp3;;*.wav;|", {QStringLiteral("音频 (*.mp3 *.wav)")}},
        {"", {}},
        {"只有描述", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(platform::toQtNameFilters(QString::fromUtf8(c.filter)), c.expected) << c.filter;
}
