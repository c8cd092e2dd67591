#include "engine/convert/LogLine.h"

#include <gtest/gtest.h>

extern "C" {
#include <libavutil/log.h>
}

namespace {

TEST(LogLine, HashThreadDotLevelColonMessage)
{
    EXPECT_EQ(engine::formatLogLine(2140, 4, "low bit rate"), "#2140.4: low bit rate");
    // Thread ids are unsigned: the largest one is not printed negative.
    EXPECT_EQ(engine::formatLogLine(UINT64_MAX, 3, ""), "#18446744073709551615.3: ");
}

TEST(LogLine, FfmpegLevelsMapOntoZeroToSeven)
{
    const std::pair<int, int> cases[] = {
        {AV_LOG_QUIET, 0}, {AV_LOG_PANIC, 1}, {AV_LOG_FATAL, 2},   {AV_LOG_ERROR, 3},
        {AV_LOG_WARNING, 4}, {AV_LOG_INFO, 5}, {AV_LOG_VERBOSE, 6}, {AV_LOG_DEBUG, 7},
        {AV_LOG_TRACE, 7},
    };
    for (auto [av, level] : cases)
        EXPECT_EQ(engine::logLevelFromAv(av), level) << "av level " << av;
}

}  // namespace
