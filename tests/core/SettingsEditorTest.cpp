#include "settings/SettingsEditor.h"

#include <gtest/gtest.h>

#include "presentation/GaugeSet.h"
#include "settings/Settings.h"

namespace cdx {
namespace {

constexpr auto Up = SpinDirection::Up;
constexpr auto Down = SpinDirection::Down;

struct EditorHarness {
    Settings settings;
    GaugeSet gauges;
    TemperatureDisplay display;
    SettingsEditor editor{settings, gauges, [this] { return display; }};

    GaugeModel& wb1() { return gauges[0]; }
};

TEST(SettingsEditorTest, FixedBoundsStopOnTheBoundAndARefusedClickChangesNothing)
{
    EditorHarness h;
    h.settings.pollInterval = 20000;
    EXPECT_FALSE(h.editor.step(SpinSetting::PollInterval, Up));
    EXPECT_EQ(h.settings.pollInterval, 20000);
    EXPECT_TRUE(h.editor.step(SpinSetting::PollInterval, Down));
    EXPECT_EQ(h.editor.label(SpinSetting::PollInterval), "Check at Intervals of 19 seconds");

    h.settings.voltageTolerance = 0.5;
    EXPECT_FALSE(h.editor.step(SpinSetting::VoltageTolerance, Down));
    EXPECT_TRUE(h.editor.step(SpinSetting::VoltageTolerance, Up));
    EXPECT_EQ(h.editor.label(SpinSetting::VoltageTolerance), "Sound Alarm at: 1% off");

    h.settings.fan(Fan::Fan2).nominalRpm = 31950; // off the grid, as a hand edit leaves it
    EXPECT_TRUE(h.editor.step(SpinSetting::Fan2Rpm, Up));
    EXPECT_EQ(h.settings.fan(Fan::Fan2).nominalRpm, 32000);
    EXPECT_FALSE(h.editor.step(SpinSetting::Fan2Rpm, Up));
    EXPECT_EQ(h.editor.label(SpinSetting::Fan2Rpm), "32000 RPM");

    h.settings.fan(Fan::Fan3).tolerancePercent = 0;
    EXPECT_FALSE(h.editor.step(SpinSetting::Fan3OffMark, Down));
    EXPECT_EQ(h.editor.label(SpinSetting::Fan3OffMark), "Sound Alarm at: 0% off");
    h.settings.fanAlarmIgnoreCount = 50;
    EXPECT_FALSE(h.editor.canStep(SpinSetting::IgnoreFanAlarm, Up));
    EXPECT_EQ(h.editor.label(SpinSetting::IgnoreFanAlarm), "Ignore Fan Alarm 50 Times");
}

TEST(SettingsEditorTest, TenthStepsLandOnTheBoundAndLabelsShowNoRoundingNoise)
{
    EditorHarness h;
    h.settings.coreVoltageNominal = 2.8;
    EXPECT_TRUE(h.editor.step(SpinSetting::CoreVoltage, Up));
    EXPECT_EQ(h.editor.label(SpinSetting::CoreVoltage), "Core Voltage: 2.9Volt");

    h.settings.plus33VoltageNominal = 3.0;
    for (int i = 0; i < 10; ++i) {
        EXPECT_TRUE(h.editor.step(SpinSetting::Plus33Voltage, Up)) << i;
        EXPECT_EQ(h.editor.label(SpinSetting::Plus33Voltage).find("0000"), std::string::npos);
    }
    EXPECT_EQ(h.settings.plus33VoltageNominal, 4.0);
    EXPECT_FALSE(h.editor.step(SpinSetting::Plus33Voltage, Up));
    EXPECT_TRUE(h.editor.step(SpinSetting::Plus33Voltage, Down));
    EXPECT_EQ(h.editor.label(SpinSetting::Plus33Voltage), "+3.9 Voltage");
    h.settings.plus33VoltageNominal = 3.0;
    EXPECT_TRUE(h.editor.step(SpinSetting::Plus33Voltage, Up));
    EXPECT_EQ(h.editor.label(SpinSetting::Plus33Voltage), "+3.1 Voltage");
    h.display.decimalSeparator = ",";
    EXPECT_EQ(h.editor.label(SpinSetting::CoreVoltage), "Core Voltage: 2,9Volt");
}

TEST(SettingsEditorTest, CompensationAndCustomCpuOffset)
{
    EditorHarness h;
    h.settings.temperature(TemperatureSensor::WB2).compensation = -2;
    EXPECT_TRUE(h.editor.step(SpinSetting::WB2Compensation, Down));
    EXPECT_EQ(h.editor.label(SpinSetting::WB2Compensation), "Custom +-3");
    h.settings.temperature(TemperatureSensor::WB1).compensation = 50;
    EXPECT_FALSE(h.editor.step(SpinSetting::WB1Compensation, Up));
    EXPECT_EQ(h.editor.label(SpinSetting::WB1Compensation), "Custom +50");

    // The custom offset goes into force only while "Custom" is chosen.
    h.editor.chooseCpuType(CpuType::Amd);
    EXPECT_EQ(h.settings.cpuOffset, 7);
    EXPECT_TRUE(h.editor.step(SpinSetting::CustomCpuAdd, Up));
    EXPECT_EQ(h.settings.cpuOffset, 7);
    EXPECT_EQ(h.editor.cpuType(), CpuType::Amd);
    h.editor.chooseCpuType(CpuType::Custom);
    EXPECT_EQ(h.settings.cpuOffset, h.settings.customCpuOffset);
    EXPECT_TRUE(h.editor.step(SpinSetting::CustomCpuAdd, Up));
    EXPECT_EQ(h.settings.cpuOffset, h.settings.customCpuOffset);
    EXPECT_EQ(h.editor.label(SpinSetting::CustomCpuAdd), "+" + std::to_string(h.settings.customCpuOffset));
    h.editor.chooseCpuType(CpuType::Cyrix);
    EXPECT_EQ(h.settings.cpuOffset, 16);
    EXPECT_FALSE(h.settings.customCpu);
}

TEST(SettingsEditorTest, ScaleGoesDownToTheShownTemperatureAndNeverToZero)
{
    EditorHarness h;
    h.wb1().setScale(46);
    h.wb1().setPosition(45);
    EXPECT_TRUE(h.editor.stepScale(TemperatureSensor::WB1, Down));
    EXPECT_EQ(h.wb1().scale(), 45);
    EXPECT_EQ(h.settings.temperature(TemperatureSensor::WB1).scale, 45);
    EXPECT_FALSE(h.editor.stepScale(TemperatureSensor::WB1, Down));
    EXPECT_TRUE(h.editor.stepScale(TemperatureSensor::WB1, Up));
    EXPECT_EQ(h.wb1().scale(), 46);

    // A sensor showing nothing sits at 0: its scale stops at 1.
    GaugeModel& wb3 = h.gauges[3];
    wb3.setScale(2);
    EXPECT_TRUE(h.editor.stepScale(TemperatureSensor::WB3, Down));
    EXPECT_FALSE(h.editor.stepScale(TemperatureSensor::WB3, Down));
    EXPECT_EQ(wb3.scale(), 1);
}

TEST(SettingsEditorTest, AlarmStaysBetweenTheShownTemperatureAndTheScale)
{
    EditorHarness h;
    h.wb1().setScale(52);
    h.wb1().setPosition(50);
    h.settings.temperature(TemperatureSensor::WB1).alarmTemperature = 50;
    EXPECT_FALSE(h.editor.stepAlarm(TemperatureSensor::WB1, Down));
    EXPECT_TRUE(h.editor.stepAlarm(TemperatureSensor::WB1, Up));
    EXPECT_TRUE(h.editor.stepAlarm(TemperatureSensor::WB1, Up));
    EXPECT_FALSE(h.editor.stepAlarm(TemperatureSensor::WB1, Up));
    EXPECT_EQ(h.settings.temperature(TemperatureSensor::WB1).alarmTemperature, 52);

    // Lowered below the alarm, the scale takes the alarm with it: the gauge
    // never shows more than its scale, and the alarm must stay reachable.
    EXPECT_TRUE(h.editor.stepScale(TemperatureSensor::WB1, Down));
    EXPECT_EQ(h.settings.temperature(TemperatureSensor::WB1).alarmTemperature, 51);
    EXPECT_EQ(h.editor.alarmCelsiusLabel(TemperatureSensor::WB1), "51°C");
}

TEST(SettingsEditorTest, TemperatureLabelsFollowRoundingAndTheDegreeSign)
{
    EditorHarness h;
    h.wb1().setScale(61);
    h.display.roundFahrenheit = true;
    EXPECT_EQ(h.editor.scaleCelsiusLabel(TemperatureSensor::WB1), "61°C");
    EXPECT_EQ(h.editor.scaleFahrenheitLabel(TemperatureSensor::WB1), "142°F");
    h.display.roundFahrenheit = false;
    EXPECT_EQ(h.editor.scaleFahrenheitLabel(TemperatureSensor::WB1), "141.8°F");
    h.display.degreeText.clear();
    h.settings.temperature(TemperatureSensor::WB1).alarmTemperature = 50;
    EXPECT_EQ(h.editor.alarmCelsiusLabel(TemperatureSensor::WB1), "50C");
    EXPECT_EQ(h.editor.alarmFahrenheitLabel(TemperatureSensor::WB1), "122F");
}

TEST(SettingsEditorTest, EveryDefaultIsReachableByTheArrowsAndBothBoundsAreReached)
{
    for (int i = 0; i <= static_cast<int>(SpinSetting::WB3Compensation); ++i) {
        const auto setting = static_cast<SpinSetting>(i);
        const SpinRule rule = SettingsEditor::rule(setting);
        EditorHarness h;
        const double start = h.editor.value(setting);
        EXPECT_GE(start, rule.low) << SettingsEditor::settingName(setting);
        EXPECT_LE(start, rule.high) << SettingsEditor::settingName(setting);
        // Up to the upper bound and down to the lower one, each reached
        // exactly, in no more clicks than the steps between them.
        const int steps = static_cast<int>((rule.high - rule.low) / rule.step + 0.5);
        int clicks = 0;
        while (h.editor.step(setting, Up) && clicks <= steps) {
            ++clicks;
        }
        EXPECT_EQ(h.editor.value(setting), rule.high) << SettingsEditor::settingName(setting);
        clicks = 0;
        while (h.editor.step(setting, Down) && clicks <= steps) {
            ++clicks;
        }
        EXPECT_EQ(h.editor.value(setting), rule.low) << SettingsEditor::settingName(setting);
        EXPECT_EQ(clicks, steps) << SettingsEditor::settingName(setting);
    }
}

} // namespace
} // namespace cdx
