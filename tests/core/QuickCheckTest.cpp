#include "presentation/QuickCheck.h"

#include <gtest/gtest.h>

#include "presentation/GaugeSet.h"
#include "presentation/ReadingsPanel.h"
#include "presentation/UpDownStatistics.h"
#include "settings/Settings.h"

namespace cdx {
namespace {

class QuickCheckTest : public ::testing::Test {
protected:
    QuickCheckTest()
    {
        gauges[0].setCenterLabel("45°C");
        gauges[1].setCenterLabel("--");
        readings.setVoltage(VoltageRail::Core, ": 1.65", false);
        readings.setVoltage(VoltageRail::Pos33, ": 3.31", true);
        readings.setVoltage(VoltageRail::Neg12, ": -11.90", false);
        readings.setFanText(Fan::Fan1, "4560");
        readings.setFanText(Fan::Fan2, "not available");
        statistics.feed(UpDownReading::WB1, 40.0, display);
        statistics.feed(UpDownReading::WB1, 47.0, display);
        statistics.feed(UpDownReading::P33Voltage, 3.31, display);
    }

    Settings settings;
    GaugeSet gauges;
    ReadingsPanel readings;
    UpDownStatistics statistics;
    TemperatureDisplay display;
    QuickCheck quick{QuickCheck::Parts{
        .settings = settings,
        .gauges = gauges,
        .readings = readings,
        .statistics = statistics,
        .display = [this] { return display; },
    }};
};

TEST_F(QuickCheckTest, CaptionsJoinNamesAndShownValues)
{
    settings.temperature(TemperatureSensor::WB1).name = "Board";
    EXPECT_EQ(quick.caption(QuickCheckItem::MB), "Board: 45°C");
    EXPECT_EQ(quick.caption(QuickCheckItem::CPU), "CPU LM75: --");
    EXPECT_EQ(quick.caption(QuickCheckItem::CORE), "Core: 1.65");
    EXPECT_EQ(quick.caption(QuickCheckItem::Po33), "+3.3: 3.31");
    EXPECT_EQ(quick.caption(QuickCheckItem::Ne12), "-12: -11.90");
    EXPECT_EQ(quick.caption(QuickCheckItem::Ne5), "-5");
    EXPECT_EQ(quick.caption(QuickCheckItem::FANnr1), "Fan 1 4560");
    EXPECT_EQ(quick.caption(QuickCheckItem::FANnr2), "Fan 2 not available");
}

TEST_F(QuickCheckTest, TemperatureInformation)
{
    settings.temperature(TemperatureSensor::WB1).alarmTemperature = 50;
    QuickInfo info = quick.info(QuickCheckItem::MB);
    EXPECT_EQ(info.title, "Quick info for: Motherboard");
    EXPECT_EQ(info.current, "Current Value: 45°C");
    EXPECT_EQ(info.alarm, "Sound Alarm at: 50°C/122°F");
    EXPECT_EQ(info.alarmState(), "Alarm Enabled");
    EXPECT_EQ(info.lowest, "Lowest value: 40");
    EXPECT_EQ(info.highest, "Highest value: 47");

    settings.temperature(TemperatureSensor::LM75).alarmEnabled = false;
    settings.temperature(TemperatureSensor::LM75).alarmTemperature = 37;
    display.degreeText = "";
    display.roundFahrenheit = false;
    info = quick.info(QuickCheckItem::CPU);
    EXPECT_EQ(info.alarm, "Sound Alarm at: 37C/98.6F");
    EXPECT_EQ(info.alarmState(), "Alarm Disabled");
    EXPECT_EQ(info.lowest, "Lowest value: 0");

    display.roundFahrenheit = true;
    EXPECT_EQ(quick.info(QuickCheckItem::CPU).alarm, "Sound Alarm at: 37C/99F");
}

TEST_F(QuickCheckTest, VoltageInformationNeedsTheAlarmAndTheRailBox)
{
    settings.plus33VoltageNominal = 3.35;
    settings.voltageTolerance = 5.0;
    QuickInfo info = quick.info(QuickCheckItem::Po33);
    EXPECT_EQ(info.title, "Quick info for: +3.35 Voltage");
    EXPECT_EQ(info.current, "Current Value: : 3.31");
    EXPECT_EQ(info.alarm, "Sound Alarm at: 5% off");
    EXPECT_TRUE(info.alarmEnabled);
    EXPECT_EQ(info.lowest, "Lowest value: 3.31");

    settings.watched(VoltageRail::Pos33) = false;
    EXPECT_FALSE(quick.info(QuickCheckItem::Po33).alarmEnabled);
    settings.watched(VoltageRail::Pos33) = true;
    settings.voltageAlarmEnabled = false;
    EXPECT_FALSE(quick.info(QuickCheckItem::Po33).alarmEnabled);
    EXPECT_EQ(quick.info(QuickCheckItem::Ne5).title, "Quick info for: -5 Voltage");
}

TEST_F(QuickCheckTest, FanInformation)
{
    settings.fan(Fan::Fan3).name = "Case";
    settings.fan(Fan::Fan3).tolerancePercent = 15;
    settings.fan(Fan::Fan3).alarmEnabled = true;
    readings.setFanText(Fan::Fan3, "2100");
    const QuickInfo info = quick.info(QuickCheckItem::FANnr3);
    EXPECT_EQ(info.title, "Quick info for: Case");
    EXPECT_EQ(info.current, "Current Value: Case 2100");
    EXPECT_EQ(info.alarm, "Sound Alarm at: 15% off");
    EXPECT_TRUE(info.alarmEnabled);
}

} // namespace
} // namespace cdx
