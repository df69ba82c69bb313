#include <gtest/gtest.h>

#include <array>
#include <filesystem>

#include "LogTestFiles.h"
#include "sensors/SystemFigures.h"

using namespace cdx;
namespace fs = std::filesystem;

namespace {

class SystemFiguresTest : public ::testing::Test {
protected:
    void write(const std::string& relative, const std::string& text)
    {
        fs::create_directories(fs::path(m_root.file(relative)).parent_path());
        test::writeFile(m_root.file(relative), text);
    }

    SystemFigures figures() const { return SystemFigures(m_root.file("proc"), m_root.file("sys")); }

    test::TempFolder m_root;
};

} // namespace

TEST_F(SystemFiguresTest, ClockFromCpufreqElseCpuinfoAndMemoryWrapsToThirtyTwoBits)
{
    write("proc/cpuinfo", "processor\t: 0\ncpu MHz\t\t: 2394.567\n");
    EXPECT_EQ(figures().clockRateMHz(), 2395);
    write("sys/devices/system/cpu/cpu0/cpufreq/scaling_cur_freq", "3600000\n");
    EXPECT_EQ(figures().clockRateMHz(), 3600);

    EXPECT_EQ(figures().memoryUse(), 0); // no meminfo
    write("proc/meminfo", "MemTotal:       16384000 kB\nMemFree:  100 kB\nMemAvailable:    4096000 kB\n");
    EXPECT_EQ(figures().memoryUse(), 75);
    // 16384000 kB = 16777216000 bytes; its low 32 bits are 3892314112.
    EXPECT_EQ(figures().totalPhysicalMemory(), static_cast<std::int32_t>(3892314112u));
    EXPECT_EQ(figures().availablePhysicalMemory(), static_cast<std::int32_t>(4096000ull * 1024 % (1ull << 32)));
    write("proc/meminfo", "MemTotal: 131072 kB\nMemAvailable: 65536 kB\n");
    EXPECT_EQ(figures().totalPhysicalMemory(), 134217728);
}

TEST(UserNameBuffer, LengthPrefixCutsOnCharacterBoundary)
{
    std::array<unsigned char, 256> buffer{};
    writeLengthPrefixed("jörg", buffer.data());
    EXPECT_EQ(buffer[0], 5);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(buffer.data() + 1), 5), "jörg");
    writeLengthPrefixed(std::string(300, 'b'), buffer.data());
    EXPECT_EQ(buffer[0], 255);
}
