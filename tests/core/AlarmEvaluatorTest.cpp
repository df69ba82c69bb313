#include "alarms/AlarmEvaluator.h"

#include <algorithm>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "AlarmHarness.h"
#include "alarms/AlarmSettings.h"

namespace cdx {
namespace {

using test::AlarmHarness;

int dialogs(const AlarmHarness& h)
{
    return static_cast<int>(h.dialog.texts.size());
}

TEST(AlarmTextsTest, TemperatureVoltageAndFanTexts)
{
    AlarmHarness h;
    h.settings.temperature(TemperatureSensor::WB1).alarmTemperature = 50;
    EXPECT_EQ(h.texts.temperature(TemperatureSensor::WB1),
              (AlarmMessage{"Your Motherboard has reached the temperature of 50°C / 122°F",
                            "WARNING: Motherboard has reached: 50°C / 122°F"}));

    // Unrounded Fahrenheit in the general format with the user's separator,
    // and no degree mark while the window shows none.
    h.settings.temperature(TemperatureSensor::LM75).alarmTemperature = 51;
    h.settings.roundFahrenheit = false;
    h.settings.showDegreeInWindow = false;
    h.formats.decimalSeparator = ",";
    EXPECT_EQ(h.texts.temperature(TemperatureSensor::LM75).dialog,
              "Your CPU LM75 has reached the temperature of 51C / 123,8F");
    h.settings.roundFahrenheit = true;
    EXPECT_EQ(settingFahrenheitLabel(51, h.texts.thresholdDisplay()), "124F");
    EXPECT_EQ(settingFahrenheitLabel(-40, h.texts.thresholdDisplay()), "-40F");

    // The voltage text breaks lines with a line feed, then a carriage return.
    AlarmHarness volts;
    volts.settings.voltageTolerance = 7.5;
    const AlarmMessage m = volts.texts.voltage("+12 Voltage", 13.409);
    EXPECT_EQ(m.dialog, "Voltage Alarm for +12 Voltage\n\rThis unit is more then 7.5% off, and reached the value of: "
                        "13.41 Volt.\n\r\n\rPlease go to the Voltage tab to turn this Alarm on again.");
    EXPECT_EQ(m.log, "WARNING: +12 Voltage has reached: 13.41V");
    volts.formats.decimalSeparator = ",";
    EXPECT_EQ(volts.texts.voltage("-5 Voltage", -5.6).log, "WARNING: -5 Voltage has reached: -5,60V");

    AlarmHarness fans;
    fans.settings.fan(Fan::Fan1).nominalRpm = 3000;
    EXPECT_EQ(fans.texts.fan(Fan::Fan1, 10, 0.0),
              (AlarmMessage{"Fan Alarm for Fan 1, this Fan is more then 10% off the user defined value of 3000, and "
                            "has reached the value of: 0 RPM.",
                            "WARNING: Fan 1 has reached: 0 RPM"}));
    fans.settings.fan(Fan::Fan3).name = "Case";
    fans.settings.fan(Fan::Fan3).nominalRpm = 2812.5;
    EXPECT_EQ(fans.texts.fan(Fan::Fan3, 5, 2250).log, "WARNING: Case has reached: 2250 RPM");
    EXPECT_NE(fans.texts.fan(Fan::Fan3, 5, 2250).dialog.find("user defined value of 2812.5,"), std::string::npos);
}

TEST(AlarmEvaluatorTest, TemperatureAlarmSwitchesItselfOffBeforeItsActions)
{
    AlarmHarness h;
    bool enabledWhenShown = true;
    h.onLog = [&](const std::string&) {
        enabledWhenShown = h.settings.temperature(TemperatureSensor::WB2).alarmEnabled;
    };
    h.settings.warningLogEnabled = true;
    h.evaluator.displayTemperatureAlarm(TemperatureSensor::WB2);
    EXPECT_FALSE(enabledWhenShown);
    EXPECT_FALSE(h.settings.temperature(TemperatureSensor::WB2).alarmEnabled);
    EXPECT_TRUE(h.settings.temperature(TemperatureSensor::WB1).alarmEnabled);
    // WB2 is alarm 7, not 3.
    EXPECT_EQ(h.dialog.sources, std::vector<int>{7});
    EXPECT_EQ(dialogs(h), 1);
}

TEST(AlarmEvaluatorTest, OkAndEnableSwitchesOnTheAlarmThatFired)
{
    struct Case {
        TemperatureSensor sensor;
        int source;
    };
    for (const Case c : {Case{TemperatureSensor::WB1, 1}, Case{TemperatureSensor::LM75, 2},
                         Case{TemperatureSensor::WB2, 7}, Case{TemperatureSensor::WB3, 8}}) {
        AlarmHarness h;
        h.dialog.answer = FakeWarningPrompt::Answer::EnableAlarm;
        h.evaluator.displayTemperatureAlarm(c.sensor);
        EXPECT_EQ(h.dialog.sources, std::vector<int>{c.source});
        EXPECT_TRUE(h.settings.temperature(c.sensor).alarmEnabled) << c.source;
    }
    for (auto answer : {FakeWarningPrompt::Answer::DisableAlarm, FakeWarningPrompt::Answer::CloseBox}) {
        AlarmHarness h;
        h.dialog.answer = answer;
        h.evaluator.displayTemperatureAlarm(TemperatureSensor::WB3);
        EXPECT_FALSE(h.settings.temperature(TemperatureSensor::WB3).alarmEnabled);
    }
}

TEST(AlarmEvaluatorTest, TheSixVoltagesShareOneSwitch)
{
    AlarmHarness h;
    h.dialog.answer = FakeWarningPrompt::Answer::DisableAlarm;
    h.evaluator.displayVoltageAlarm("+12 Voltage", 13.41);
    h.evaluator.displayVoltageAlarm("-5 Voltage", -5.9);
    EXPECT_EQ(dialogs(h), 1);
    EXPECT_FALSE(h.settings.voltageAlarmEnabled);
    EXPECT_EQ(h.dialog.sources, std::vector<int>{3});

    h.dialog.answer = FakeWarningPrompt::Answer::EnableAlarm;
    h.settings.voltageAlarmEnabled = true;
    h.evaluator.displayVoltageAlarm("-5 Voltage", -5.9);
    EXPECT_TRUE(h.settings.voltageAlarmEnabled);
    EXPECT_EQ(dialogs(h), 2);
}

// One poll's fan calls as the poll makes them.
void fanPoll(AlarmHarness& h, Fan fan, bool outOfBand, double speed = 1000.0)
{
    h.evaluator.clearFanAlarmPending();
    if (outOfBand) {
        h.evaluator.displayFanAlarm(fan, 10, speed);
    }
    h.evaluator.resetFanAlarmCounts();
}

TEST(AlarmEvaluatorTest, FanAlarmWaitsForIgnoreFanAlarmConsecutivePolls)
{
    AlarmHarness h;
    h.settings.fan(Fan::Fan2).alarmEnabled = true;
    h.settings.fanAlarmIgnoreCount = 5;
    for (int poll = 1; poll <= 3; ++poll) {
        fanPoll(h, Fan::Fan2, true);
    }
    EXPECT_EQ(h.evaluator.fanAlarmCount(Fan::Fan2), 3);
    EXPECT_TRUE(h.evaluator.fanAlarmPending(Fan::Fan2));

    // Back in band for one poll at 3 of 5: the count starts again.
    fanPoll(h, Fan::Fan2, false);
    EXPECT_EQ(h.evaluator.fanAlarmCount(Fan::Fan2), 0);
    for (int poll = 1; poll <= 4; ++poll) {
        fanPoll(h, Fan::Fan2, true);
    }
    EXPECT_EQ(dialogs(h), 0);
    fanPoll(h, Fan::Fan2, true);
    EXPECT_EQ(dialogs(h), 1);
    EXPECT_EQ(h.dialog.sources, std::vector<int>{5});
    EXPECT_FALSE(h.settings.fan(Fan::Fan2).alarmEnabled);
    EXPECT_EQ(h.evaluator.fanAlarmCount(Fan::Fan2), 0);

    // A disabled alarm neither counts nor fires.
    fanPoll(h, Fan::Fan2, true);
    EXPECT_EQ(h.evaluator.fanAlarmCount(Fan::Fan2), 0);
    EXPECT_EQ(dialogs(h), 1);

    // Without a delay the alarm fires on the first poll.
    for (int ignore : {0, 1}) {
        AlarmHarness h;
        h.settings.fan(Fan::Fan1).alarmEnabled = true;
        h.settings.fanAlarmIgnoreCount = ignore;
        fanPoll(h, Fan::Fan1, true);
        EXPECT_EQ(dialogs(h), 1) << ignore;
    }
}

TEST(AlarmEvaluatorTest, FanNotAvailableFiresAtOnceWithZeroWhateverTheStoredDelay)
{
    AlarmHarness h;
    h.settings.fan(Fan::Fan3).alarmEnabled = true;
    h.settings.fan(Fan::Fan3).nominalRpm = 3000;
    h.settings.fanAlarmIgnoreCount = 5;
    h.settings.warningLogEnabled = true;
    h.evaluator.clearFanAlarmPending();
    h.evaluator.setFanAlarmCount(Fan::Fan3, h.settings.fanAlarmIgnoreCount);
    h.evaluator.displayFanAlarm(Fan::Fan3, 10, 0.0);
    ASSERT_EQ(dialogs(h), 1);
    EXPECT_EQ(h.dialog.texts[0], "Fan Alarm for Fan 3, this Fan is more then 10% off the user defined value of 3000, "
                                 "and has reached the value of: 0 RPM.");
    EXPECT_NE(std::find(h.journal.begin(), h.journal.end(), "log WARNING: Fan 3 has reached: 0 RPM"), h.journal.end());
    EXPECT_EQ(h.dialog.sources, std::vector<int>{6});

    // A settings file may hold any delay: the count must not run over.
    AlarmHarness stored;
    stored.settings.fan(Fan::Fan1).alarmEnabled = true;
    stored.settings.fanAlarmIgnoreCount = std::numeric_limits<int>::max();
    stored.evaluator.clearFanAlarmPending();
    stored.evaluator.setFanAlarmCount(Fan::Fan1, stored.settings.fanAlarmIgnoreCount);
    stored.evaluator.displayFanAlarm(Fan::Fan1, 10, 0.0);
    EXPECT_EQ(dialogs(stored), 1);
    EXPECT_FALSE(stored.evaluator.fanAlarmPending(Fan::Fan1));
}

TEST(AlarmSettingsTest, PcSpeakerBoxFollowsShowMsg)
{
    Settings s;
    s.voltageActions.showMessage = false;
    EXPECT_FALSE(pcSpeakerBoxEnabled(s, Alarm::Voltage));
    EXPECT_TRUE(pcSpeakerBoxEnabled(s, Alarm::WB3));
    s.temperature(TemperatureSensor::WB3).actions.showMessage = false;
    EXPECT_FALSE(pcSpeakerBoxEnabled(s, Alarm::WB3));
    EXPECT_EQ(&alarmEnableSwitch(s, Alarm::Fan3), &s.fan(Fan::Fan3).alarmEnabled);
}

} // namespace
} // namespace cdx
