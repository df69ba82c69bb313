#include "monitor/PollCycle.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "PollHarness.h"

namespace cdx {
namespace {

using Calls = std::vector<std::string>;

TEST(PollCycleTest, OnePollShowsEveryReadingInOrder)
{
    PollHarness h;
    h.settings.temperature(TemperatureSensor::LM75).sensorEnabled = true;
    h.driver.script("GetLM78Temp", {45});
    h.driver.script("GetLM75TempAsusTX", {30});
    h.driver.script("GetLM78Core0", {1.65});
    h.driver.script("GetLM78Pos12v", {12.1});
    h.driver.script("GetLM78Fan1", {135});
    h.driver.script("GetLM78Fan3", {255});
    h.poll.poll();

    EXPECT_EQ(h.gauges[0].position(), 45.0F);
    EXPECT_EQ(h.gauges[0].centerLabel(), "45°C");
    EXPECT_EQ(h.gauges[1].centerLabel(), "52°C"); // 30 + Intel offset 22
    EXPECT_EQ(h.panel.voltageText(VoltageRail::Core), ": 1.65");
    EXPECT_TRUE(h.panel.voltageRed(VoltageRail::Core)); // nominal 2.8 +- 10 %
    EXPECT_EQ(h.panel.voltageText(VoltageRail::Pos12), ": 12.10");
    EXPECT_FALSE(h.panel.voltageRed(VoltageRail::Pos12));
    EXPECT_EQ(h.panel.fanText(Fan::Fan1), "2500"); // (675000 div 2) div 135
    EXPECT_EQ(h.panel.fanText(Fan::Fan3), "not available");
    EXPECT_EQ(h.panel.pollsText(), "Number of Polls: 1");
    EXPECT_EQ(h.listener.icons, 1);
    EXPECT_EQ(h.alarms.calls, (Calls{"volt 1.650"}));
    EXPECT_EQ(h.poll.readings().temperature(TemperatureSensor::WB1), 45.0);
    EXPECT_EQ(h.poll.readings().temperature(TemperatureSensor::WB2), std::nullopt); // switched off
    EXPECT_EQ(h.poll.readings().voltage(VoltageRail::Core), 1.65);
    EXPECT_EQ(h.poll.readings().fan(Fan::Fan1), 2500.0);
    EXPECT_EQ(h.poll.readings().fan(Fan::Fan3), std::nullopt);
    EXPECT_TRUE(h.poll.readings().fanStopped(Fan::Fan3));
}

TEST(PollCycleTest, CpuSensorAtTenIsNotAvailable)
{
    PollHarness h;
    h.settings.temperature(TemperatureSensor::LM75).sensorEnabled = true;
    h.driver.script("GetLM75TempAsusTX", {40, 10, 11});
    h.poll.poll();
    h.poll.poll();
    EXPECT_EQ(h.gauges[1].centerLabel(), "--");
    EXPECT_EQ(h.gauges[1].position(), 0.0F);
    EXPECT_EQ(h.statistics.entry(UpDownReading::LM75).count, 1);
    h.poll.poll();
    EXPECT_EQ(h.gauges[1].centerLabel(), "33°C");
}

TEST(PollCycleTest, ReadingsTheDriverCouldNotIdentifyAreNotAvailableAndNeverAlarm)
{
    PollHarness h;
    h.settings.temperature(TemperatureSensor::LM75).sensorEnabled = true;
    h.settings.temperature(TemperatureSensor::WB2).sensorEnabled = true;
    h.settings.fan(Fan::Fan3).alarmEnabled = true; // no such fan: nothing to alarm about
    h.settings.coreVoltageNominal = 1.1;
    h.driver.setAvailableReadings(readingBit(DriverReading::CpuTemperature) | readingBit(DriverReading::Core0) |
                                  readingBit(DriverReading::Pos33) | readingBit(DriverReading::Fan1));
    h.driver.setCpuTemperatureIsTrue(true);
    h.driver.script("GetLM75TempAsusTX", {48});
    h.driver.script("GetLM78Core0", {1.08});
    h.driver.script("GetLM78Pos33v", {3.33});
    for (const char* rail : {"GetLM78Pos5v", "GetLM78Pos12v", "GetLM78Neg12v", "GetLM78Neg5v"}) {
        h.driver.script(rail, {0.0}); // what such a driver returns for them
    }
    h.poll.poll();
    h.poll.poll();

    EXPECT_EQ(h.gauges[1].centerLabel(), "48°C"); // the package sensor: no offset
    EXPECT_EQ(h.gauges[0].centerLabel(), "--");
    EXPECT_EQ(h.gauges[2].centerLabel(), "--");
    EXPECT_EQ(h.statistics.entry(UpDownReading::WB1).count, 0);
    EXPECT_EQ(h.panel.voltageText(VoltageRail::Core), ": 1.08");
    for (VoltageRail rail : {VoltageRail::Pos5, VoltageRail::Pos12, VoltageRail::Neg12, VoltageRail::Neg5}) {
        EXPECT_EQ(h.panel.voltageText(rail), ": not available");
        EXPECT_FALSE(h.panel.voltageRed(rail));
    }
    EXPECT_EQ(h.statistics.entry(UpDownReading::P5Voltage).count, 0);
    EXPECT_EQ(h.statistics.entry(UpDownReading::P33Voltage).count, 2);
    EXPECT_EQ(h.panel.fanText(Fan::Fan2), "not available");
    EXPECT_EQ(h.panel.fanText(Fan::Fan3), "not available");
    EXPECT_TRUE(h.settings.fan(Fan::Fan3).alarmEnabled);
    h.driver.setAvailableReadings(readingBit(DriverReading::CpuTemperature));
    h.poll.poll();
    EXPECT_EQ(h.panel.voltageText(VoltageRail::Core), ": not available");
    EXPECT_EQ(h.panel.pollsText(), "Number of Polls: 3"); // polls go on without a core voltage
    EXPECT_EQ(h.poll.readings().voltage(VoltageRail::Core), std::nullopt);
    EXPECT_FALSE(h.poll.readings().fanStopped(Fan::Fan3)); // not a fan at 0 RPM either
    EXPECT_TRUE(h.alarms.calls.empty());
}

TEST(PollCycleTest, TemperatureAlarmsAtThresholdOnlyWhileActiveAndInSensorOrder)
{
    PollHarness h;
    h.driver.script("GetLM78Temp", {50});
    h.setActive(false); // the start-up poll, or suspended
    h.poll.poll();
    EXPECT_EQ(std::count(h.alarms.calls.begin(), h.alarms.calls.end(), "temp 1"), 0);
    h.setActive(true);
    h.poll.poll();
    EXPECT_EQ(std::count(h.alarms.calls.begin(), h.alarms.calls.end(), "temp 1"), 1);

    // A disabled alarm or a switched-off sensor raises nothing.
    h.alarms.calls.clear();
    h.settings.temperature(TemperatureSensor::WB1).alarmEnabled = false;
    h.poll.poll();
    EXPECT_EQ(std::count(h.alarms.calls.begin(), h.alarms.calls.end(), "temp 1"), 0);

    // Several in one poll run in sensor order, one dialog after the other.
    PollHarness several;
    several.settings.temperature(TemperatureSensor::WB1).sensorEnabled = true;
    several.settings.temperature(TemperatureSensor::WB2).sensorEnabled = true;
    several.settings.temperature(TemperatureSensor::WB3).sensorEnabled = true;
    several.driver.script("GetLM78Temp", {59});
    several.driver.script("GetWinBondSensor2", {75});
    several.driver.script("GetWinBondSensor3", {71});
    several.poll.setChipPresent(false);
    several.poll.poll();
    EXPECT_EQ(several.alarms.calls, (Calls{"temp 1", "temp 3", "temp 4"}));
    EXPECT_EQ(several.alarm.dialog.sources, (std::vector<int>{1, 7, 8})); // one dialog after the other
}

TEST(PollCycleTest, ReadingAboveScaleKeepsThePreviousValueEverywhere)
{
    PollHarness h;
    h.settings.temperature(TemperatureSensor::WB1).alarmTemperature = 40;
    h.driver.script("GetLM78Temp", {38, 75});
    h.setActive(false);
    h.poll.poll();
    h.setActive(true);
    h.poll.poll(); // 75 is above the scale of 60
    EXPECT_EQ(h.gauges[0].position(), 38.0F);
    EXPECT_EQ(h.gauges[0].centerLabel(), "38°C");
    const auto& wb1 = h.statistics.entry(UpDownReading::WB1);
    EXPECT_EQ(wb1.count, 2); // the previous value is fed again
    EXPECT_EQ(wb1.highLabel, "38");
    EXPECT_EQ(h.poll.readings().temperature(TemperatureSensor::WB1), 38.0);
    EXPECT_EQ(std::count(h.alarms.calls.begin(), h.alarms.calls.end(), "temp 1"), 0);
}

TEST(PollCycleTest, WinbondReadingsAreCompensatedAndRoundedToEven)
{
    PollHarness h;
    h.settings.temperature(TemperatureSensor::WB2).sensorEnabled = true;
    h.driver.script("GetWinBondSensor2", {44.5, 44.5});
    h.poll.poll();
    EXPECT_EQ(h.gauges[2].position(), 44.0F);
    h.settings.temperature(TemperatureSensor::WB2).compensationEnabled = true;
    h.settings.temperature(TemperatureSensor::WB2).compensation = 1;
    h.poll.poll();
    EXPECT_EQ(h.gauges[2].position(), 46.0F);
}

TEST(PollCycleTest, UnavailableFanWithAlarmFiresAtOnceAndSwitchesItOff)
{
    PollHarness h;
    h.settings.fan(Fan::Fan2).alarmEnabled = true;
    h.settings.fanAlarmIgnoreCount = 5;
    h.driver.script("GetLM78Fan2", {255});
    h.poll.poll();
    EXPECT_EQ(h.alarms.calls, (Calls{"fan 2 0"}));
    EXPECT_EQ(h.alarm.dialog.sources, std::vector<int>{static_cast<int>(Alarm::Fan2)});
    EXPECT_FALSE(h.settings.fan(Fan::Fan2).alarmEnabled);
    EXPECT_EQ(h.statistics.entry(UpDownReading::Fan2).count, 0);
}

TEST(PollCycleTest, FanOutsideItsBandIsCheckedAndItsEdgeIsInsideWhereDoublesMissIt)
{
    PollHarness h;
    h.settings.fan(Fan::Fan1).alarmEnabled = true;
    h.settings.fan(Fan::Fan1).nominalRpm = 0.0; // any non-zero speed is out of band
    h.driver.script("GetLM78Fan1", {135});
    h.poll.poll();
    EXPECT_EQ(h.alarms.calls, (Calls{"fan 1 2500"}));

    // The band check runs whether or not the alarm is on: the check itself
    // looks at the switch. A speed on the band's edge is inside.
    h.alarms.calls.clear();
    h.settings.fan(Fan::Fan1).alarmEnabled = false;
    h.settings.fan(Fan::Fan1).nominalRpm = 2000.0;
    h.settings.fan(Fan::Fan1).tolerancePercent = 25; // 1500 to 2500
    h.poll.poll();
    EXPECT_TRUE(h.alarms.calls.empty());
    h.settings.fan(Fan::Fan1).tolerancePercent = 24;
    h.poll.poll();
    EXPECT_EQ(h.alarms.calls, (Calls{"fan 1 2500"}));

    // 1640 / 100 x 50 comes out a hair above 820 in binary: the lower edge
    // would be 820.0000000000001 and a speed of exactly 820 would fire.
    PollHarness edge;
    edge.settings.fan(Fan::Fan3).alarmEnabled = true;
    edge.settings.fan(Fan::Fan3).nominalRpm = 1640.0;
    edge.settings.fan(Fan::Fan3).tolerancePercent = 50; // 820 to 2460
    edge.driver.script("GetLM78Fan3", {823, 824});
    edge.poll.poll();
    EXPECT_EQ(edge.panel.fanText(Fan::Fan3), "820"); // 675000 div 823
    EXPECT_TRUE(edge.alarms.calls.empty());
    edge.poll.poll();
    EXPECT_EQ(edge.alarms.calls, (Calls{"fan 3 819"}));
}

TEST(PollCycleTest, WithoutChipNothingIsReadAndAZeroFanCountEndsTheFanRegionOnly)
{
    PollHarness h;
    h.poll.setChipPresent(false);
    h.poll.poll();
    EXPECT_EQ(h.driver.calls("GetLM78Fan1"), 0);
    EXPECT_EQ(h.driver.calls("GetLM78Core0"), 0);
    EXPECT_EQ(h.panel.voltageText(VoltageRail::Core), "");
    EXPECT_EQ(h.panel.pollsText(), "Number of Polls: 0");
    EXPECT_TRUE(h.alarms.calls.empty());

    // A zero fan count ends the fan region only.
    PollHarness zero;
    zero.driver.script("GetLM78Fan1", {135, 0});
    zero.driver.script("GetLM78Fan2", {135, 100});
    zero.poll.poll();
    zero.poll.poll();
    EXPECT_EQ(zero.panel.fanText(Fan::Fan1), "2500"); // the previous poll's text stays
    EXPECT_EQ(zero.panel.fanText(Fan::Fan2), "2500"); // fan 2 was not reached
    EXPECT_EQ(zero.panel.pollsText(), "Number of Polls: 2");
    // Fan 1 failed and fan 2 was not reached: neither reads this poll.
    EXPECT_EQ(zero.poll.readings().fan(Fan::Fan1), std::nullopt);
    EXPECT_EQ(zero.poll.readings().fan(Fan::Fan2), std::nullopt);

    zero.poll.setFanDivisors(0, 2); // a zero divisor fails the same way
    zero.driver.script("GetLM78Fan1", {135});
    zero.poll.poll();
    EXPECT_EQ(zero.panel.fanText(Fan::Fan2), "2500");
}

TEST(PollCycleTest, SharedVoltageAlarmChecksEachWatchedRailWithinTheChipsLimits)
{
    PollHarness h;
    h.driver.script("GetLM78Core0", {2.8});
    h.driver.script("GetLM78Pos12v", {13.3});
    h.driver.script("GetLM78Neg12v", {-13.3});
    h.settings.watched(VoltageRail::Neg12) = false; // red, but not checked
    h.poll.poll();
    EXPECT_TRUE(h.panel.voltageRed(VoltageRail::Neg12));
    EXPECT_EQ(h.alarms.calls, (Calls{"volt 13.30"}));
    EXPECT_EQ(h.alarm.dialog.texts.size(), 1U); // the voltages share one alarm

    // A processor of today idling at 0.8 V, whose chip gives the core 0.6 to 1.5 V.
    PollHarness limited;
    limited.settings.coreVoltageNominal = 2.8;
    limited.driver.setReadingLimits(DriverReading::Core0, VoltageBand::between(0.6, 1.5));
    limited.driver.script("GetLM78Core0", {0.8, 1.5, 1.52, 0.55});
    limited.poll.poll();
    limited.poll.poll(); // on the edge: inside
    EXPECT_FALSE(limited.panel.voltageRed(VoltageRail::Core));
    EXPECT_TRUE(limited.alarms.calls.empty());
    limited.alarms.calls.clear();
    limited.poll.poll();
    EXPECT_TRUE(limited.panel.voltageRed(VoltageRail::Core));
    EXPECT_EQ(limited.alarms.calls.front(), "volt 1.520");
    limited.alarms.calls.clear();
    limited.poll.poll();
    EXPECT_EQ(limited.alarms.calls.front(), "volt 0.550");

    // Port 1 takes its own limits; without them the nominal and margin apply.
    limited.settings.coreVoltagePort1 = true;
    limited.driver.script("GetLM78Core1", {0.8});
    limited.alarms.calls.clear();
    const int core0Reads = limited.driver.calls("GetLM78Core0");
    limited.poll.poll();
    EXPECT_EQ(limited.driver.calls("GetLM78Core0"), core0Reads);
    EXPECT_EQ(limited.panel.voltageText(VoltageRail::Core), ": 0.80");
    EXPECT_TRUE(limited.panel.voltageRed(VoltageRail::Core));
    EXPECT_EQ(limited.alarms.calls.front(), "volt 0.800");
}

TEST(PollCycleTest, CpuIdleChecksOnlyWhileActive)
{
    PollHarness h;
    h.settings.cpuIdleLaunch = true;
    h.settings.cpuIdleClose = true;
    h.poll.poll();
    h.listener.launched = true;
    h.poll.poll();
    h.setActive(false);
    h.poll.poll();
    EXPECT_EQ(h.listener.launchChecks, 1);
    EXPECT_EQ(h.listener.closeChecks, 2);
}

TEST(PollCycleTest, ScaleSwitchAndResetWhileSuspended)
{
    PollHarness h;
    h.driver.script("GetLM78Temp", {26});
    h.poll.poll();
    EXPECT_EQ(h.poll.scaleCaption(), "F");
    h.setActive(false); // suspended: relabelled at once, gauges keep the old unit
    h.poll.toggleScale();
    EXPECT_EQ(h.statistics.entry(UpDownReading::WB1).lowLabel, "78");
    EXPECT_EQ(h.gauges[0].centerLabel(), "26°C");
    h.setActive(true);
    h.poll.pollIfActive();
    EXPECT_EQ(h.gauges[0].centerLabel(), "78°F");

    // A reset while suspended keeps the polls label.
    PollHarness reset;
    reset.poll.poll();
    reset.setActive(false);
    reset.poll.resetStatistics();
    EXPECT_EQ(reset.statistics.entry(UpDownReading::WB1).lowLabel, "0");
    EXPECT_EQ(reset.panel.pollsText(), "Number of Polls: 1");
    reset.setActive(true);
    reset.poll.resetStatistics();
    EXPECT_EQ(reset.panel.pollsText(), "Number of Polls: 1");
}

TEST(PollCycleTest, ReadingsThatAreNoNumbersAreNotTaken)
{
    PollHarness h;
    h.settings.temperature(TemperatureSensor::WB2).sensorEnabled = true;
    h.driver.script("GetWinBondSensor2", {40.0, std::nan(""), 1e300, 41.0});
    h.driver.script("GetLM78Pos5v", {5.0, std::numeric_limits<double>::infinity(), 5.1});
    h.poll.poll();
    h.poll.poll();
    // The gauge and the statistics keep the last real value; the voltage
    // region ends at the bad value and the labels before it were written.
    EXPECT_EQ(h.gauges[2].position(), 40.0F);
    EXPECT_EQ(h.statistics.entry(UpDownReading::WB2).count, 1);
    EXPECT_EQ(h.panel.voltageText(VoltageRail::Pos5), ": 5.00");
    EXPECT_EQ(h.statistics.entry(UpDownReading::P5Voltage).highLabel, "5.00");
    h.poll.poll();
    h.poll.poll();
    EXPECT_EQ(h.gauges[2].position(), 41.0F);
    EXPECT_EQ(h.statistics.entry(UpDownReading::WB2).lowLabel, "40");
    EXPECT_EQ(h.panel.voltageText(VoltageRail::Pos5), ": 5.10");
}

} // namespace
} // namespace cdx
