#include <gtest/gtest.h>

#include "jobs/DisplayTexts.h"

TEST(SecToDate, HoursWrapAtOneDay) {
    const struct {
        int32_t seconds;
        const char* text;
    } cases[] = {{0, "00:00:00"},      {59, "00:00:59"},     {3600, "01:00:00"}, {86399, "23:59:59"},
                 {86400, "00:00:00"}, {90061, "01:01:01"}, {-5, "00:00:00"}};
    for (const auto& c : cases) EXPECT_EQ(jobs::secToDate(c.seconds), c.text) << c.seconds;
}

TEST(MegabyteText, RoundsHalvesToEvenInShortestForm) {
    const struct {
        int64_t bytes;
        const char* text;
    } cases[] = {{0, "0MB"},         {1048576, "1MB"},       {1572864, "1.5MB"}, {12345678, "11.77MB"},
                 {131072, "0.12MB"}, {393216, "0.38MB"},     {5242, "0MB"},      {1048576LL * 100, "100MB"},
                 {5LL << 40, "5242880MB"}, {1058013, "1.01MB"}};
    for (const auto& c : cases) EXPECT_EQ(jobs::megabyteText(c.bytes), c.text) << c.bytes;
}

TEST(MegabyteText, UsesTheGivenDecimalSeparator) {
    EXPECT_EQ(jobs::megabyteText(1572864, ","), "1,5MB");
    EXPECT_EQ(jobs::megabyteText(1048576, ","), "1MB");
}
