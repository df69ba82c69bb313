#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "lifecycle/CommandLine.h"
#include "platform/ExternalMessages.h"
#include "settings/CpuIdleThresholds.h"
#include "settings/SystemInfoText.h"

namespace cdx {
namespace {

CpuIdleThresholds at(int launch, int close)
{
    return CpuIdleThresholds{launch, close};
}

TEST(CpuIdleThresholdsTest, LaunchDownPushesTheCloseFirstAndStopsOnTheFloor)
{
    auto t = at(45, 42);
    EXPECT_TRUE(t.launchDown());
    EXPECT_EQ(t, at(44, 41));

    t = at(45, 40);
    EXPECT_TRUE(t.launchDown());
    EXPECT_EQ(t, at(44, 40)) << "with room below the launch the close stays";

    t = at(20, 17);
    EXPECT_FALSE(t.launchDown());
    EXPECT_EQ(t, at(20, 17));

    // Walking down from the top at a gap of 3 ends on the floor together.
    t = at(80, 77);
    while (t.launchDown()) {
        ASSERT_GE(t.launch - t.close, CpuIdleThresholds::MinimumGap);
    }
    EXPECT_EQ(t, at(20, 17));
}

TEST(CpuIdleThresholdsTest, CloseUpPushesTheLaunchFirstStopsOnTheCeilingAndStoredValuesComeBack)
{
    auto t = at(79, 76);
    EXPECT_TRUE(t.closeUp());
    EXPECT_EQ(t, at(80, 77));

    t = at(80, 77);
    EXPECT_FALSE(t.closeUp());
    EXPECT_EQ(t, at(80, 77));

    t = at(50, 40);
    EXPECT_TRUE(t.closeUp());
    EXPECT_EQ(t, at(50, 41));

    // The plain arrows stop on their own bounds.
    t = at(80, 17);
    EXPECT_FALSE(t.launchUp());
    EXPECT_FALSE(t.closeDown());
    EXPECT_EQ(t, at(80, 17));

    // A hand-edited setting: the arrows bring it back inside and never spin.
    t = at(120, 110);
    EXPECT_FALSE(t.closeUp());
    EXPECT_TRUE(t.launchDown());
    EXPECT_LE(t.launch, CpuIdleThresholds::LaunchHigh);

    t = at(5, 0);
    EXPECT_FALSE(t.launchDown());
    EXPECT_TRUE(t.closeUp());
    EXPECT_GE(t.close, CpuIdleThresholds::CloseLow);
}

TEST(CpuIdleThresholdsTest, ThresholdTextRoundsFahrenheitHalvesToEven)
{
    EXPECT_EQ(cpuIdleThresholdText(45, "°"), "has reached 45°C / 113°F");
    EXPECT_EQ(cpuIdleThresholdText(40, ""), "has reached 40C / 104F");
    // Whole degrees Celsius give Fahrenheit tenths: 62.6 rounds up, 73.4 down.
    EXPECT_EQ(cpuIdleThresholdText(17, "°"), "has reached 17°C / 63°F");
    EXPECT_EQ(cpuIdleThresholdText(23, "°"), "has reached 23°C / 73°F"); // 73.4
    EXPECT_EQ(cpuIdleSensorCaption("CPU"), "If Sensor: CPU");
}

TEST(SystemInfoTextTest, NineLinesWithWholeKilobytesAndTheChipByItsId)
{
    SystemInfoFacts facts;
    facts.cpuMhz = 2400;
    facts.userName = "jürgen";
    facts.memoryUse = 37;
    facts.totalPhysicalMemory = 134217728;
    facts.availablePhysicalMemory = -1073741825; // 3 GiB wrapped to 32 bits
    facts.executablePath = "/opt/caldrix/bin/caldrix";
    facts.cpuIdlePath = "";
    facts.chipId = 0;

    const auto lines = systemInfoLines(facts);
    EXPECT_EQ(lines, (std::vector<std::string>{"Version 3.72", "CPU Speed: 2400 MHz", "User: jürgen",
                                               "37% of Memory in use", "131072 KB of Total Physical Memory",
                                               "-1048576 KB of Available Physical Memory", // truncated toward zero
                                               "CDX launched from: /opt/caldrix/bin/caldrix",
                                               "CPUIdle detected at: ", "Chip ID: 0"}));

    EXPECT_EQ(chipIdLine(16), "Chip ID: Winbond W83781D");
    EXPECT_EQ(chipIdLine(45), "Chip ID: LM78");
    EXPECT_EQ(chipIdLine(-3), "Chip ID: -3");

    EXPECT_EQ(systemInfoClipboardText(lines),
              "Version 3.72\r\nCPU Speed: 2400 MHz\r\nUser: jürgen\r\n37% of Memory in use\r\n131072 KB of Total "
              "Physical Memory\r\n-1048576 KB of Available Physical Memory\r\nCDX launched from: "
              "/opt/caldrix/bin/caldrix\r\nCPUIdle detected at: \r\nChip ID: 0");
}

TEST(CommandLineTest, ShowOptionsNameTheirRequestAndOthersAreLeftAlone)
{
    const char* show[] = {"caldrix", "-platform", "offscreen", "--show"};
    EXPECT_EQ(CommandLine::parse(4, show).message(), ExternalMessages::Show);
    const char* expanded[] = {"caldrix", "--show-expanded"};
    EXPECT_EQ(CommandLine::parse(2, expanded).message(), ExternalMessages::ShowExpanded);
    const char* history[] = {"caldrix", "--show-history"};
    EXPECT_EQ(CommandLine::parse(2, history).message(), ExternalMessages::ShowHistory);
    const char* plain[] = {"caldrix", "--shows", "show"};
    EXPECT_FALSE(CommandLine::parse(3, plain).message());
    EXPECT_FALSE(CommandLine::parse(0, nullptr).message());
}

} // namespace
} // namespace cdx
