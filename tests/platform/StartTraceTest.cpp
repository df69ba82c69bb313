#include "platform/linux/StartTrace.h"

#include <gtest/gtest.h>

namespace cdx {
namespace {

TEST(StartTraceTest, ALaunchTimeGivesMillisecondsSinceItAndAnythingElseSilence)
{
    const StartTrace trace("1700000000000000000");
    EXPECT_EQ(trace.line("first poll", 1700000000123456789), "Caldrix: start: first poll after 123.5 ms");

    for (const char* bad : {"", "soon", "17000000000x", "-5", "0", "99999999999999999999999"}) {
        const StartTrace ignored(bad);
        EXPECT_FALSE(ignored.active()) << bad;
        EXPECT_EQ(ignored.line("first poll", 1), std::nullopt) << bad;
    }
}

} // namespace
} // namespace cdx
