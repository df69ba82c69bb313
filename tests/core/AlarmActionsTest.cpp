#include "alarms/AlarmActions.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "AlarmHarness.h"

namespace cdx {
namespace {

using test::AlarmHarness;
using test::Journal;

class AlarmActionsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        h.settings.warningLogEnabled = true;
        program = h.existingFile("alarm program; rm -rf 'x' \"y\".sh");
        wave = h.existingFile("alarm.wav");
    }

    AlarmHarness h;
    std::string program;
    std::string wave;
};

TEST_F(AlarmActionsTest, TemperatureStepsInOrderAroundTheDialog)
{
    h.settings.temperature(TemperatureSensor::WB1).actions.run = true;
    h.settings.temperature(TemperatureSensor::WB1).actions.runPath = program;
    h.settings.temperature(TemperatureSensor::WB1).actions.wave = true;
    h.settings.temperature(TemperatureSensor::WB1).actions.wavePath = wave;
    h.window.windowWidth = 572; // full view
    h.evaluator.displayTemperatureAlarm(TemperatureSensor::WB1);
    EXPECT_EQ(h.journal,
              (Journal{"not on top", "run " + program, "wave " + wave, "toneTimer on", "taskbar button shown",
                       "dialog: Your Motherboard has reached the temperature of 50°C / 122°F", "pollTimer off",
                       "pollTimer on", "tray redrawn", "toneTimer off", "speaker off", "wave stop", "dialog closed",
                       "log WARNING: Motherboard has reached: 50°C / 122°F", "toneTimer off", "speaker off"}));
    // The full view stays a normal window.
    EXPECT_FALSE(h.window.stayOnTop);
}

TEST_F(AlarmActionsTest, VoltageStepsInOrderInTheSmallView)
{
    h.settings.voltageActions.run = true;
    h.settings.voltageActions.runPath = program;
    h.settings.voltageActions.wave = true;
    h.settings.voltageActions.wavePath = wave;
    h.settings.loopWaves = true;
    h.window.windowWidth = 112;
    h.window.hidden = true;
    h.evaluator.displayVoltageAlarm("+5 Voltage", 5.6);
    EXPECT_EQ(h.journal, (Journal{"run " + program, "wave " + wave + " looping", "toneTimer on", "taskbar button shown",
                                  "dialog: " + h.texts.voltage("+5 Voltage", 5.6).dialog, "pollTimer off",
                                  "pollTimer on", "tray redrawn", "toneTimer off", "speaker off", "wave stop",
                                  "dialog closed", "taskbar button hidden", "messages processed", "stay on top",
                                  "log WARNING: +5 Voltage has reached: 5.60V", "toneTimer off", "speaker off"}));
}

TEST_F(AlarmActionsTest, FanLogsFirstAndLeavesTheWindowStyleAlone)
{
    h.settings.fan(Fan::Fan1).alarmEnabled = true;
    h.settings.fan(Fan::Fan1).actions.run = true;
    h.settings.fan(Fan::Fan1).actions.runPath = program;
    h.settings.fan(Fan::Fan1).actions.showMessage = false;
    h.settings.fanAlarmIgnoreCount = 1;
    h.window.windowWidth = 572;
    h.evaluator.displayFanAlarm(Fan::Fan1, 10, 1234);
    // Without the message the tone is switched off at once: no sound.
    EXPECT_EQ(h.journal, (Journal{"log WARNING: Fan 1 has reached: 1234 RPM", "run " + program, "toneTimer on",
                                  "toneTimer off", "speaker off"}));
    EXPECT_TRUE(h.dialog.texts.empty());

    // A wave without a message keeps playing until the next Warning dialog closes.
    h.settings.temperature(TemperatureSensor::WB3).actions.wave = true;
    h.settings.temperature(TemperatureSensor::WB3).actions.wavePath = wave;
    h.settings.temperature(TemperatureSensor::WB3).actions.showMessage = false;
    h.settings.loopWaves = true;
    h.evaluator.displayTemperatureAlarm(TemperatureSensor::WB3);
    EXPECT_EQ(h.player.playing, wave);
    // The next Warning dialog to close stops it.
    h.evaluator.displayTemperatureAlarm(TemperatureSensor::WB1);
    EXPECT_EQ(h.player.playing, "");
}

TEST_F(AlarmActionsTest, MissingFilesAreSkippedSilentlyAndTheRestHappens)
{
    h.settings.temperature(TemperatureSensor::LM75).actions.run = true;
    h.settings.temperature(TemperatureSensor::LM75).actions.runPath = h.folder.file("no such program");
    h.settings.temperature(TemperatureSensor::LM75).actions.wave = true;
    h.settings.temperature(TemperatureSensor::LM75).actions.wavePath = h.folder.path(); // a folder is not a wave file
    h.settings.temperature(TemperatureSensor::LM75).actions.pcSpeaker = false;
    h.settings.warningLogEnabled = false;
    h.evaluator.displayTemperatureAlarm(TemperatureSensor::LM75);
    for (const std::string& event : h.journal) {
        EXPECT_NE(event.rfind("run", 0), 0U) << event;
        EXPECT_NE(event, "wave " + h.settings.temperature(TemperatureSensor::LM75).actions.wavePath);
        EXPECT_NE(event.rfind("log", 0), 0U) << event;
        EXPECT_NE(event, "toneTimer on");
    }
    EXPECT_EQ(h.dialog.texts.size(), 1U);
}

} // namespace
} // namespace cdx
