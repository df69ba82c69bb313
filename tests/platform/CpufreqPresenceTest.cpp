#include "platform/linux/CpufreqPresence.h"

#include <filesystem>

#include <gtest/gtest.h>

#include "TemporaryDirectory.h"

namespace cdx {

TEST(CpufreqPresenceTest, AProcessorScalesWhereCpufreqListsAPolicy)
{
    test::TemporaryDirectory root;
    EXPECT_FALSE(processorScalesFrequency(root.file("missing"))); // no cpufreq: a fixed clock
    std::filesystem::create_directories(root.file("cpufreq/boost"));
    EXPECT_FALSE(processorScalesFrequency(root.file("cpufreq")));
    std::filesystem::create_directories(root.file("cpufreq/policy0"));
    EXPECT_TRUE(processorScalesFrequency(root.file("cpufreq")));
}

} // namespace cdx
