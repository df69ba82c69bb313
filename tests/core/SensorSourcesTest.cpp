#include "monitor/SensorSources.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "PollHarness.h"

namespace cdx {
namespace {

struct Sources {
    PollHarness h;
    std::vector<std::string> notices;
    SensorSources sources{h.settings, h.driver, h.poll, [this](const std::string& text) { notices.push_back(text); }};
};

TEST(SensorSourcesTest, AChoiceIsBoundForTheNextPollAndToldOnceEachTimeItGoesAway)
{
    Sources s;
    s.sources.choose(SensorSlot::Wb2, "nvme-pci-0200/temp1");
    s.sources.choose(SensorSlot::Core, "nct6798-isa-0290/in0");
    EXPECT_EQ(s.h.settings.sensorSource(SensorSlot::Wb2), "nvme-pci-0200/temp1");
    EXPECT_EQ(s.h.driver.binding(DriverReading::Wb2Temperature), "nvme-pci-0200/temp1");
    // The core voltage follows its input whichever port is chosen.
    EXPECT_EQ(s.h.driver.binding(DriverReading::Core0), "nct6798-isa-0290/in0");
    EXPECT_EQ(s.h.driver.binding(DriverReading::Core1), "nct6798-isa-0290/in0");
    EXPECT_EQ(s.h.driver.binding(DriverReading::Wb3Temperature), "");

    s.sources.choose(SensorSlot::Wb2, "");
    EXPECT_EQ(s.h.settings.sensorSource(SensorSlot::Wb2), "");
    EXPECT_EQ(s.h.driver.binding(DriverReading::Wb2Temperature), "");

    // A chosen input that goes away is told once each time.
    Sources gone;
    gone.sources.choose(SensorSlot::Wb2, "nvme-pci-0200/temp1");
    gone.sources.afterPoll();
    EXPECT_TRUE(gone.notices.empty());

    gone.h.driver.setAvailableReadings(AllReadings & ~readingBit(DriverReading::Wb2Temperature));
    gone.sources.afterPoll();
    gone.sources.afterPoll();
    ASSERT_EQ(gone.notices.size(), 1u);
    EXPECT_NE(gone.notices[0].find("WB2"), std::string::npos) << gone.notices[0];
    EXPECT_NE(gone.notices[0].find("nvme-pci-0200/temp1"), std::string::npos) << gone.notices[0];

    gone.h.driver.setAvailableReadings(AllReadings); // the drive is back
    gone.sources.afterPoll();
    gone.h.driver.setAvailableReadings(AllReadings & ~readingBit(DriverReading::Wb2Temperature));
    gone.sources.afterPoll();
    EXPECT_EQ(gone.notices.size(), 2u);

    // An automatic slot that has nothing to read is not the user'gone choice gone.
    gone.h.driver.setAvailableReadings(0);
    gone.sources.choose(SensorSlot::Wb2, "");
    gone.sources.afterPoll();
    EXPECT_EQ(gone.notices.size(), 2u);
}

TEST(SensorSourcesTest, ListingHasOneInputALineWithTheSlotsItFeeds)
{
    std::vector<SensorInput> inputs{
        {"nct6798-isa-0290/in0",
         HwmonInput::Kind::Voltage,
         "Vcore",
         0.824,
         {DriverReading::Core0, DriverReading::Core1}},
        {"nvme-pci-0200/temp1", HwmonInput::Kind::Temperature, "Composite", 47.85, {DriverReading::Wb2Temperature}},
        {"amdgpu-pci-0300/fan1", HwmonInput::Kind::Fan, "fan1", 1450, {DriverReading::Fan3}},
        {"drivetemp-scsi-0-0/temp1", HwmonInput::Kind::Temperature, "temp1", 33, {}},
    };
    EXPECT_EQ(SensorSources::listing(inputs), "nct6798-isa-0290/in0\tVcore\t0.824 V\tCore\n"
                                              "nvme-pci-0200/temp1\tComposite\t47.9 °C\tWB2\n"
                                              "amdgpu-pci-0300/fan1\tfan1\t1450 RPM\tFan 3\n"
                                              "drivetemp-scsi-0-0/temp1\ttemp1\t33.0 °C\t-\n");
    EXPECT_EQ(SensorSources::valueText(inputs[0], ","), "0,824 V");
}

} // namespace
} // namespace cdx
