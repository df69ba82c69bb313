#include "ui/CpuIdlePage.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include "cpuidle/CpuIdleLauncher.h"
#include "platform/RegionalFormats.h"
#include "platform/fake/FakeClock.h"
#include "platform/fake/FakeLocalMessaging.h"
#include "platform/fake/FakeRegistry.h"
#include "platform/fake/FakeShell.h"
#include "sensors/Readings.h"
#include "settings/Settings.h"
#include "ui/SpinArrows.h"
#include "ui/SubPageSelector.h"
#include "ui/SystemInfoPanel.h"

namespace cdx {
namespace {

class CpuIdlePageTest : public ::testing::Test {
protected:
    CpuIdlePageTest()
    {
        settings.temperatures[0].name = "Board";
        settings.temperatures[2].name = "Case";
        settings.cpuIdleSensor = 0;
        settings.cpuIdleLaunch = true;
        settings.cpuIdleClose = false;
        settings.cpuIdleLaunchTemperature = 45;
        settings.cpuIdleCloseTemperature = 42;
        settings.showDegreeInWindow = true;
    }

    std::unique_ptr<CpuIdlePage> makePage()
    {
        auto page = std::make_unique<CpuIdlePage>(CpuIdlePage::Parts{settings, launcher, [this] { ++saves; }, &shell});
        return page;
    }

    Settings settings;
    Readings readings;
    FakeRegistry registry;
    FakeShell shell;
    FakeLocalMessaging bus;
    FakeClock clock;
    RegionalFormats formats;
    CpuIdleLauncher launcher{
        {settings, readings, registry, shell, bus, clock, formats, {}, [](const std::string&) { return true; }}};
    int saves = 0;
};

TEST_F(CpuIdlePageTest, LoadShowsTheSettingsAndTheArrowsMoveBothTextsTogether)
{
    auto page = makePage();
    EXPECT_EQ(page->selector().count(), 3);
    EXPECT_EQ(page->selector().entryText(0), "CPUIdle Settings");
    EXPECT_EQ(page->selector().entryText(1), "Info/Reset");
    EXPECT_EQ(page->selector().entryText(2), "About CPUIdle");
    EXPECT_EQ(page->sensorList().itemText(2), "Case");
    EXPECT_EQ(page->launchSensorLabel().text(), "If Sensor: Board");
    EXPECT_EQ(page->launchThresholdLabel().text(), "has reached 45°C / 113°F");
    EXPECT_TRUE(page->launchBox().isChecked());
    EXPECT_TRUE(page->launchArrows().isEnabled());
    EXPECT_FALSE(page->closeBox().isChecked());
    EXPECT_FALSE(page->closeArrows().isEnabled());
    EXPECT_FALSE(page->closeThresholdLabel().isEnabled());
    EXPECT_FALSE(page->applyButton().isEnabled());

    // Launch down at a gap of 3 pushes the close down first: both texts follow.
    page->launchArrows().downButton().click();
    EXPECT_EQ(settings.cpuIdleLaunchTemperature, 44);
    EXPECT_EQ(settings.cpuIdleCloseTemperature, 41);
    EXPECT_EQ(page->launchThresholdLabel().text(), "has reached 44°C / 111°F");
    EXPECT_EQ(page->closeThresholdLabel().text(), "has reached 41°C / 106°F");
    EXPECT_TRUE(page->applyButton().isEnabled());

    page->applyButton().click();
    EXPECT_EQ(saves, 1);
    EXPECT_FALSE(page->applyButton().isEnabled());

    // The close box enables its group; the sensor choice renames both labels.
    page->closeBox().click();
    EXPECT_TRUE(settings.cpuIdleClose);
    EXPECT_TRUE(page->closeArrows().isEnabled());
    page->sensorList().setCurrentIndex(2);
    emit page->sensorList().activated(2);
    EXPECT_EQ(settings.cpuIdleSensor, 2);
    EXPECT_EQ(page->closeSensorLabel().text(), "If Sensor: Case");
    EXPECT_EQ(page->launchSensorLabel().text(), "If Sensor: Case");
}

TEST_F(CpuIdlePageTest, EventsResetAndAMissingInstallationReachThePage)
{
    auto page = makePage();
    EXPECT_FALSE(page->resetButton().isEnabled());

    readings.temperature(TemperatureSensor::WB1) = 50.0; // not installed: boxes off and unusable
    launcher.checkCpuIdleLaunch();
    const QStringList lines = page->eventList().toPlainText().split('\n');
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[0].endsWith(": CPU Idle could not be found."));
    EXPECT_TRUE(lines[1].endsWith(": CPU Idle could not be found by CDX"));
    EXPECT_FALSE(page->launchBox().isChecked());
    EXPECT_FALSE(page->launchBox().isEnabled());
    EXPECT_FALSE(page->closeBox().isEnabled());
    EXPECT_FALSE(page->launchArrows().isEnabled());

    EXPECT_TRUE(page->resetButton().isEnabled());
    page->resetButton().click();
    EXPECT_FALSE(page->resetButton().isEnabled());
    EXPECT_TRUE(page->eventList().toPlainText().endsWith(": Reset"));

    // A page made later shows what was listed before it existed.
    auto later = makePage();
    EXPECT_EQ(later->eventList().toPlainText().split('\n').size(), 3);
    EXPECT_FALSE(later->launchBox().isEnabled());
}

TEST(SystemInfoPanelTest, ChoosingTwiceGivesNineLinesAndCopyUsesCrLf)
{
    int gathered = 0;
    SystemInfoPanel panel([&] {
        ++gathered;
        SystemInfoFacts facts;
        facts.cpuMhz = 1000 + gathered;
        facts.chipId = 45;
        return facts;
    });
    EXPECT_TRUE(panel.memo().toPlainText().isEmpty());
    EXPECT_TRUE(panel.memo().isReadOnly());

    panel.setAllSystemInfo();
    panel.setAllSystemInfo();
    const QStringList lines = panel.memo().toPlainText().split('\n');
    ASSERT_EQ(lines.size(), 9);
    EXPECT_EQ(lines[1], "CPU Speed: 1002 MHz") << "rebuilt on each choice";
    EXPECT_EQ(lines[8], "Chip ID: LM78");

    panel.copyButton().click();
    const QString copied = QGuiApplication::clipboard()->text();
    EXPECT_EQ(copied.count("\r\n"), 8);
    EXPECT_TRUE(copied.startsWith("Version 3.72\r\nCPU Speed: 1002 MHz\r\n"));
    EXPECT_TRUE(copied.endsWith("\r\nChip ID: LM78"));
}

} // namespace
} // namespace cdx
