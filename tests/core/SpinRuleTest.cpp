#include "settings/SpinRule.h"

#include <gtest/gtest.h>

namespace cdx {
namespace {

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
