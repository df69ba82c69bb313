#include "ui/SettingsPages.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include "presentation/GaugeSet.h"
#include "presentation/SensorSwitches.h"
#include "settings/Settings.h"
#include "ui/FansPage.h"
#include "ui/GeneralPage.h"
#include "ui/PageControl.h"
#include "ui/SpinArrows.h"
#include "ui/SubPageSelector.h"
#include "ui/TemperaturesPage.h"

namespace cdx {
namespace {

using S = TemperatureSensor;

class SettingsPagesTest : public ::testing::Test {
protected:
    SettingsPagesTest()
    {
        for (const char* caption :
             {"General", "Temperatures", "Voltages", "Fan's", "Compensation", "Visual", "Log", "Up/Down", "CPUIdle"}) {
            control.addPage(new QWidget, caption);
        }
    }

    void make()
    {
        pages = std::make_unique<SettingsPages>(
            control, gauges,
            PageServices{
                .settings = settings,
                .switches = switches,
                .display =
                    [this] {
                        TemperatureDisplay shown = display;
                        shown.roundFahrenheit = settings.roundFahrenheit;
                        shown.degreeText = degreeText(settings.showDegreeInWindow);
                        return shown;
                    },
                .pollIfActive = [this] { calls.push_back("poll"); },
                .setPollInterval = [this](int ms) { calls.push_back("interval " + std::to_string(ms)); },
                .testSpeaker = [this](int divisor) { calls.push_back("tone " + std::to_string(divisor)); },
                .setLogItemsVisible = [this](bool on) { calls.push_back(on ? "log items" : "no log items"); },
                .runOnStartup =
                    [this](bool on) {
                        calls.push_back(on ? "autorun on" : "autorun off");
                        return autorunWorks;
                    },
                .plus33Changed = [this] { calls.push_back("+3.3"); },
                .temperatureTextChanged = [this] { calls.push_back("text"); },
                .switchesChanged = {},
                .showMessage = [this](const std::string& text) { calls.push_back("message " + text); },
                .chooseFile =
                    [this](AlarmFileKind kind, const std::string&) {
                        calls.push_back(kind == AlarmFileKind::Program ? "choose program" : "choose wave");
                        return chosen;
                    },
            });
        pages->load();
    }

    template <typename T> T& find(const char* name)
    {
        T* widget = control.findChild<T*>(name);
        if (widget == nullptr) {
            throw std::runtime_error(std::string("no control ") + name);
        }
        return *widget;
    }
    QString text(const char* label) { return find<QLabel>(label).text(); }
    void up(const char* spin) { find<SpinArrows>(spin).upButton().click(); }
    void down(const char* spin) { find<SpinArrows>(spin).downButton().click(); }

    Settings settings;
    GaugeSet gauges;
    SensorSwitches switches{settings, gauges, {}};
    TemperatureDisplay display;
    PageControl control{5};
    std::unique_ptr<SettingsPages> pages;
    std::vector<std::string> calls;
    std::optional<std::string> chosen;
    bool autorunWorks = true;
};

TEST_F(SettingsPagesTest, GeneralTabEditsTheIntervalAndItsBoxesAndTheStartTab)
{
    settings.pollInterval = 20000;
    make();
    EXPECT_EQ(text("GenTabIntervalLabel"), "Check at Intervals of 20 seconds");
    up("GenTabIntervalSpinButton");
    EXPECT_EQ(settings.pollInterval, 20000);
    EXPECT_TRUE(calls.empty());
    QTest::keyClick(&find<SpinArrows>("GenTabIntervalSpinButton"), Qt::Key_Down);
    EXPECT_EQ(settings.pollInterval, 19000);
    EXPECT_EQ(text("GenTabIntervalLabel"), "Check at Intervals of 19 seconds");

    find<QCheckBox>("GenTabStartInTrayCheckBox").click();
    EXPECT_EQ(settings.startMinimized, !Settings().startMinimized);
    find<QCheckBox>("CheckBox42").click();
    EXPECT_TRUE(settings.showLogOnPopup);
    find<QComboBox>("GenTabTabOnTopComboBox").setCurrentIndex(7);
    EXPECT_EQ(settings.tabOnTop, 7);
    EXPECT_EQ(find<QComboBox>("GenTabTabOnTopComboBox").currentText(), "Up's & Downs");
    find<QSlider>("GenTabPCFreqTrackBar").setValue(1000);
    find<QPushButton>("GenTabPCFreqTestButton").click();
    find<QCheckBox>("GenTabRunOnStartupCheckBox").click();
    EXPECT_EQ(calls, (std::vector<std::string>{"interval 19000", "log items", "tone 1000", "autorun on"}));
}

TEST_F(SettingsPagesTest, TheAutorunBoxShowsTheEntryAndSaysWhenItCannotBeChanged)
{
    make();
    // Showing the entry's state changes nothing.
    pages->general().showRunOnStartup(true);
    EXPECT_TRUE(pages->general().runOnStartupBox().isChecked());
    EXPECT_TRUE(calls.empty());

    // An entry that cannot be removed leaves the box checked, and says so.
    autorunWorks = false;
    pages->general().runOnStartupBox().click();
    EXPECT_TRUE(pages->general().runOnStartupBox().isChecked());
    ASSERT_EQ(calls.size(), 2U);
    EXPECT_EQ(calls[0], "autorun off");
    EXPECT_EQ(calls[1].rfind("message ", 0), 0U);
}

TEST_F(SettingsPagesTest, SensorSwitchesCarryTheNamesAndExcludeEachOther)
{
    settings.temperature(S::WB1).name = "Board";
    make();
    EXPECT_EQ(find<QCheckBox>("GenTabCheckWB1CheckBox").text(), "Check WB Senor 1/LM78 (Board)");
    find<QCheckBox>("GenTabCheckLM75CheckBox").click();
    EXPECT_TRUE(settings.temperature(S::LM75).sensorEnabled);
    EXPECT_FALSE(find<QCheckBox>("GenTabCheckWB2CheckBox").isEnabled());
    EXPECT_FALSE(find<QCheckBox>("GenTabCheckWB3CheckBox").isEnabled());

    pages->setSensorName(S::WB1, "");
    EXPECT_EQ(find<QCheckBox>("GenTabCheckWB1CheckBox").text(), "Check WB Senor 1/LM78 ()");
    pages->setSensorName(S::WB2, "Chipset");
    EXPECT_EQ(pages->temperatures().selector().entryText(2), "Chipset");
    EXPECT_EQ(find<QGroupBox>("WB2ScaleGroupBox").title(), "Chipset Maximum Scale");
    EXPECT_EQ(find<QGroupBox>("WB2AlarmGroupBox").title(), "Chipset Alarm Settings");
    EXPECT_EQ(find<QGroupBox>("WB2CompensationGroupBox").title(), "Chipset Compensation");
}

TEST_F(SettingsPagesTest, TemperatureSpinsAreBoundByTheGaugeAndLabelsFollowRounding)
{
    gauges[0].setScale(46);
    gauges[0].setPosition(45);
    gauges[2].setScale(80);
    settings.temperature(S::WB1).alarmTemperature = 45;
    settings.roundFahrenheit = false;
    make();
    EXPECT_EQ(text("Label1"), "46°C");
    down("MBScaleSpinButton");
    EXPECT_EQ(gauges[0].scale(), 45);
    EXPECT_EQ(settings.temperature(S::WB1).scale, 45);
    EXPECT_EQ(text("Label1"), "45°C");
    down("MBScaleSpinButton");
    EXPECT_EQ(gauges[0].scale(), 45);
    down("MBAlarmSpinButton");
    EXPECT_EQ(settings.temperature(S::WB1).alarmTemperature, 45);

    for (int i = 0; i < 16; ++i) {
        up("MBScaleSpinButton");
    }
    EXPECT_EQ(text("Label2"), "141.8°F");
    find<QCheckBox>("CheckBox1").click();
    EXPECT_TRUE(settings.roundFahrenheit);
    EXPECT_EQ(text("Label1"), "61°C");
    EXPECT_EQ(text("Label2"), "142°F");
    // Every sensor's labels follow, not only the motherboard's.
    EXPECT_EQ(text("Label32"), "176°F");
    EXPECT_EQ(calls, (std::vector<std::string>{"text", "poll"}));

    // Without the degree sign every label and the box's own caption lose it.
    find<QCheckBox>("CheckBox20").click();
    EXPECT_EQ(text("Label1"), "61C");
    EXPECT_EQ(find<QCheckBox>("CheckBox1").text(), "Round F");
}

TEST_F(SettingsPagesTest, AlarmGroupsChooseFilesAndShowMsgGovernsThePcSpeaker)
{
    settings.temperature(S::LM75).actions.runPath = "/opt/tools/cool-down.sh";
    make();
    EXPECT_EQ(text("Label12"), "cool-down.sh");
    EXPECT_EQ(text("Label26"), "[none]");

    find<QCheckBox>("CheckBox49").click(); // "Show Msg" off
    EXPECT_FALSE(settings.temperature(S::LM75).actions.showMessage);
    EXPECT_FALSE(find<QCheckBox>("CheckBox50").isEnabled());

    chosen = "/home/me/sounds/siren.wav";
    find<QPushButton>("CPUSelectWaveButton").click();
    EXPECT_EQ(settings.temperature(S::LM75).actions.wavePath, "/home/me/sounds/siren.wav");
    EXPECT_EQ(text("Label26"), "siren.wav");
    EXPECT_TRUE(find<QCheckBox>("CheckBox18").isChecked());
    EXPECT_TRUE(settings.temperature(S::LM75).actions.wave);

    // Cancelled: the stored file stays and the box is ticked all the same.
    chosen.reset();
    find<QPushButton>("Fan2SelectFileButton").click();
    EXPECT_TRUE(settings.fan(Fan::Fan2).actions.run);
    EXPECT_EQ(text("Label83"), "[none]");

    // A path too long to be read back is refused with a message.
    chosen = "/" + std::string(300, 'x');
    find<QPushButton>("VoltageSelectFileButton").click();
    EXPECT_EQ(settings.voltageActions.runPath, "");
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.back().rfind("message ", 0), 0U);
}

TEST_F(SettingsPagesTest, VoltageFanAndCompensationSpins)
{
    settings.voltageTolerance = 0.5;
    settings.temperature(S::WB1).compensation = 49;
    make();
    down("VoltageOffSpinButton");
    EXPECT_EQ(settings.voltageTolerance, 0.5);
    up("VoltageOffSpinButton");
    EXPECT_EQ(text("Label17"), "Sound Alarm at: 1% off");
    up("Custom33SpinButton");
    EXPECT_EQ(text("Custom33Label"), "+3.4 Voltage");
    find<QRadioButton>("RadioButton2").click();
    EXPECT_TRUE(settings.coreVoltagePort1);
    EXPECT_EQ(calls, (std::vector<std::string>{"poll", "+3.3", "poll"}));

    up("Fan1RpmSpinButton");
    EXPECT_EQ(text("Label75"), "100 RPM");
    find<QRadioButton>("RadioButton12").click();
    EXPECT_TRUE(settings.fan(Fan::Fan2).type2);

    up("MBCompensationSpinButton");
    EXPECT_EQ(find<QCheckBox>("CheckBox53").text(), "Custom +50");
    settings.temperature(S::WB1).compensation = 50;
    find<QCheckBox>("CheckBox53").setText("stale");
    up("MBCompensationSpinButton"); // refused, and the caption is rewritten
    EXPECT_EQ(find<QCheckBox>("CheckBox53").text(), "Custom +50");

    find<QRadioButton>("RadioButton8").click();
    up("CustomCpuSpinButton");
    EXPECT_TRUE(settings.customCpu);
    EXPECT_EQ(settings.cpuOffset, settings.customCpuOffset);
    EXPECT_EQ(text("Label29"), QString("+%1").arg(settings.customCpuOffset));
}

TEST_F(SettingsPagesTest, LoadShowsTheSettingsAndEveryControlIsNamedAndReachable)
{
    make();
    settings.fan(Fan::Fan3).actions.showMessage = false;
    settings.customCpu = false;
    settings.cpuPreset = CpuPreset::Cyrix;
    settings.tabOnTop = 4;
    settings.coreVoltagePort1 = true;
    pages->load();
    EXPECT_FALSE(find<QCheckBox>("CheckBox47").isEnabled());
    EXPECT_TRUE(find<QRadioButton>("RadioButton5").isChecked());
    EXPECT_TRUE(find<QRadioButton>("RadioButton2").isChecked());
    EXPECT_EQ(find<QComboBox>("GenTabTabOnTopComboBox").currentIndex(), 4);
    EXPECT_TRUE(calls.empty()) << "a load runs no handler with effects elsewhere";

    for (int tab = 0; tab < 5; ++tab) {
        for (QWidget* w : control.widget(tab)->findChildren<QWidget*>()) {
            const bool control = qobject_cast<QAbstractButton*>(w) != nullptr ||
                                 qobject_cast<QComboBox*>(w) != nullptr || qobject_cast<QSlider*>(w) != nullptr ||
                                 qobject_cast<SpinArrows*>(w) != nullptr;
            if (!control) {
                continue;
            }
            EXPECT_FALSE(w->accessibleName().isEmpty()) << w->objectName().toStdString();
            const bool arrow = qobject_cast<SpinArrows*>(w->parentWidget()) != nullptr;
            EXPECT_TRUE(arrow || (w->focusPolicy() & Qt::TabFocus)) << w->objectName().toStdString();
        }
    }
}

TEST_F(SettingsPagesTest, ShowAndExpandResetsEveryListAndFanNamesReachTheirPage)
{
    make();
    pages->general().selector().choose(2);
    pages->temperatures().selector().choose(3);
    pages->fans().selector().choose(2);
    find<QComboBox>("GenTabTabOnTopComboBox").setCurrentIndex(3);
    settings.tabOnTop = 1; // the stored index wins at Show & Expand
    pages->resetSelectors();
    EXPECT_EQ(pages->general().selector().current(), 0);
    EXPECT_EQ(pages->temperatures().selector().current(), 0);
    EXPECT_EQ(pages->fans().selector().current(), 0);
    EXPECT_EQ(find<QComboBox>("GenTabTabOnTopComboBox").currentIndex(), 1);

    pages->fans().selector().choose(3);
    pages->setFanName(Fan::Fan3, "Rear");
    EXPECT_EQ(pages->fans().selector().entryText(3), "Rear");
    EXPECT_EQ(pages->fans().selector().current(), 0);
    EXPECT_EQ(find<QGroupBox>("Fan3AlarmGroupBox").title(), "Rear Alarm Settings");
}

} // namespace
} // namespace cdx
