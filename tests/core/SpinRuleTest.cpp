#include "settings/SpinRule.h"

#include <gtest/gtest.h>

namespace cdx {
namespace {

TEST(SpinRuleTest, ClicksStopExactlyOnTheBoundsAndARefusedClickGivesNothing)
{
    const SpinRule interval{1000, 1000, 20000};
    EXPECT_FALSE(interval.up(20000));
    EXPECT_EQ(interval.down(20000), 19000);
    EXPECT_FALSE(interval.down(1000));

    const SpinRule logLimit{4, 0, 1000};
    int limit = 64;
    for (int i = 0; i < 16; ++i) {
        limit = *logLimit.down(limit);
    }
    EXPECT_EQ(limit, 0);
    EXPECT_FALSE(logLimit.down(limit));
}

TEST(SpinRuleTest, AValueOffTheGridOrOutsideTheBoundsIsBroughtBack)
{
    const SpinRule rpm{100, 0, 32000};
    EXPECT_EQ(rpm.up(1234), 1300);
    EXPECT_EQ(rpm.down(31999.5), 31900);
    EXPECT_FALSE(rpm.up(40000.0));
    EXPECT_EQ(rpm.down(40000.0), 32000);
    EXPECT_EQ(rpm.clamp(-5), 0);
}

} // namespace
} // namespace cdx
