#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>

#include "sensors/SystemFigures.h"

using namespace cdx;
namespace fs = std::filesystem;

namespace {

class SystemFiguresTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_root = fs::temp_directory_path() /
                 ("caldrix-sysfig-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::create_directories(m_root / "proc");
        fs::create_directories(m_root / "sys");
    }
    void TearDown() override { fs::remove_all(m_root); }

    void write(const fs::path& relative, const std::string& text)
    {
        fs::create_directories((m_root / relative).parent_path());
        std::ofstream(m_root / relative) << text;
    }

    SystemFigures figures() const { return SystemFigures((m_root / "proc").string(), (m_root / "sys").string()); }

    fs::path m_root;
};

} // namespace

TEST_F(SystemFiguresTest, ClockFromCpufreqElseCpuinfo)
{
    write("proc/cpuinfo", "processor\t: 0\ncpu MHz\t\t: 2394.567\n");
    EXPECT_EQ(figures().clockRateMHz(), 2395);
    write("sys/devices/system/cpu/cpu0/cpufreq/scaling_cur_freq", "3600000\n");
    EXPECT_EQ(figures().clockRateMHz(), 3600);
}

TEST_F(SystemFiguresTest, MemoryWrapsToThirtyTwoBits)
{
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
