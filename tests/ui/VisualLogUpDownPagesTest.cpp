#include "ui/VisualLogUpDownPages.h"

#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QSlider>
#include <QTest>
#include <gtest/gtest.h>

#include "../core/LogTestFiles.h"
#include "../core/PollHarness.h"
#include "logs/IntervalLog.h"
#include "logs/LogFileAppender.h"
#include "logs/LogFileMeter.h"
#include "logs/LogMaintenance.h"
#include "logs/LogPaths.h"
#include "logs/LogServices.h"
#include "logs/LogSizeMonitor.h"
#include "logs/UpDownLog.h"
#include "logs/WarningLog.h"
#include "monitor/LogSnapshots.h"
#include "monitor/MonitorTimers.h"
#include "platform/fake/FakeBeeper.h"
#include "platform/fake/FakeClock.h"
#include "platform/fake/FakeFileLockProbe.h"
#include "platform/fake/FakeFileOpener.h"
#include "platform/fake/FakeMessageBox.h"
#include "platform/fake/FakeProgramLocation.h"
#include "platform/fake/FakeRecycleBin.h"
#include "platform/fake/FakeShell.h"
#include "platform/fake/FakeTimerQueue.h"
#include "platform/linux/FileRegistry.h"
#include "platform/qt/SystemTray.h"
#include "settings/SettingsStore.h"
#include "ui/GaugeColumn.h"
#include "ui/LogPage.h"
#include "ui/MainWindow.h"
#include "ui/NamesPanel.h"
#include "ui/ReadingsGroups.h"
#include "ui/SpinArrows.h"
#include "ui/SubPageSelector.h"
#include "ui/SystemTrayPanel.h"
#include "ui/TooltipPanel.h"
#include "ui/TrayIcons.h"
#include "ui/UpDownPage.h"
#include "ui/VisualPage.h"
#include "ui/VisualSettingsPanel.h"

namespace cdx {
namespace {

using S = TemperatureSensor;

// The window, the tray icons and the logs over a scripted driver, virtual
// time and a temporary program folder, with the three pages built in.
class VisualLogUpDownPagesTest : public ::testing::Test {
protected:
    VisualLogUpDownPagesTest()
    {
        MonitorTimers::Handlers handlers;
        handlers.poll = [this] {
            h.poll.poll();
            tray.createIcon();
        };
        handlers.swap = [this] { tray.swapTick(); };
        handlers.logEntry = [this] { intervalLog.writeStandardLogEntry(); };
        timers.setHandlers(handlers);
        intervalLog.createMissingFiles();
        warningLog.createMissingFiles();
        upDownLog.createMissingFiles();
        window.attachNames(names);
        pages = std::make_unique<VisualLogUpDownPages>(VisualLogUpDownPages::Parts{
            .settings = h.settings,
            .names = names,
            .window = window,
            .tray = tray,
            .statistics = h.statistics,
            .readings = h.panel,
            .intervalLog = intervalLog,
            .maintenance = maintenance,
            .sizes = sizes,
            .resetStatistics = [this] { h.poll.resetStatistics(); },
            .saveUpDown =
                [this] {
                    upDownLog.writeUpDownLog(upDownReport(h.statistics, h.settings, 451, "."));
                    upDownLog.checkUpDownLogFileSize();
                },
        });
    }

    // Start-up as the program runs it for these pages.
    void start()
    {
        tray.loadSettings();
        pages->load();
        pages->refreshLabels();
        intervalLog.checkLogFileSize();
        timers.startUp(h.settings.pollInterval, h.settings.swapInterval);
        tray.activate();
    }

    VisualPage& visual() { return pages->visualPage(); }
    LogPage& log() { return pages->logPage(); }
    UpDownPage& upDown() { return pages->upDownPage(); }
    QLineEdit& nameEdit(NamedItem item) { return visual().names().edit(item); }
    void typeName(NamedItem item, const QString& text)
    {
        QLineEdit& edit = nameEdit(item);
        edit.selectAll();
        QTest::keyClicks(&edit, text);
    }
    // The WB1 icon's 16 pixel picture, null while it is not shown.
    QImage wb1Picture()
    {
        TrayIcon& icon = tray.iconOf(S::WB1);
        return icon.active() ? icon.picture(16) : QImage();
    }

    PollHarness h;
    FakeTimerQueue queue;
    FakeBeeper beeper;
    MonitorTimers timers{queue, beeper};
    FakeShell shell;
    MainWindow window{MainWindow::Parts{
        .settings = h.settings,
        .gauges = h.gauges,
        .readings = h.panel,
        .statistics = h.statistics,
        .pollCycle = h.poll,
        .timers = timers,
        .log = {},
        .exit = [] {},
        .readLm75 = {},
        .trayBoxesChanged = {},
        .suspendTray = {},
        .restoreTray = {},
        .shell = &shell,
    }};
    std::ostringstream trayNotes;
    SystemTray area{trayNotes};
    QMenu menu;
    TrayIcons tray{
        area, h.settings, h.gauges, h.panel, timers.swapTimer(), &menu, {}, [this] { return timers.pollingActive(); }};

    test::TempFolder folder;
    FakeProgramLocation location{folder.path()};
    LogPaths paths = LogPaths::of(location);
    FakeFileLockProbe locks;
    FakeFileOpener opener;
    LogFileAppender files{locks, opener};
    LogFileMeter meter{locks, opener};
    LogSizeMonitor sizes{paths, meter};
    FakeClock clock;
    RegionalFormats formats;
    FakeMessageBox messages;
    LogServices services{paths, files, sizes, clock, formats, messages};
    std::unique_ptr<Timer> logTimer = queue.createTimer();
    IntervalLog intervalLog{services, h.settings, *logTimer,
                            [this] { return intervalLogSnapshot(h.gauges, h.panel, 451); },
                            [this] { return timers.pollingActive(); }};
    WarningLog warningLog{services, h.settings};
    UpDownLog upDownLog{services, h.settings};
    FakeRecycleBin recycleBin;
    LogMaintenance maintenance{services, h.settings, intervalLog, warningLog, upDownLog, shell, recycleBin};
    SensorNames names{h.settings};
    std::unique_ptr<VisualLogUpDownPages> pages;
};

TEST_F(VisualLogUpDownPagesTest, ARenamedSensorShowsItsNameEverywhereAtOnce)
{
    start();
    // Every place on these pages and in the window that shows a name, with
    // what it must read after the renames below.
    struct Place {
        const char* what;
        std::function<QString()> text;
        const char* expected;
    };
    const std::vector<Place> places{
        {"WB1 gauge caption", [&] { return window.gaugeColumn().caption(S::WB1).text(); }, "Board"},
        {"WB1 statistics name", [&] { return upDown().nameLabel(UpDownReading::WB1).text(); }, "Board"},
        {"WB1 tray show box", [&] { return visual().systemTray().showBox(S::WB1).text(); }, "Board"},
        {"WB1 swap box", [&] { return visual().systemTray().swapBox(S::WB1).text(); }, "Board"},
        {"WB1 tooltip box", [&] { return visual().tooltip().box(NamedItem::WB1).text(); }, "Board"},
        {"WB1 tray style entry", [&] { return visual().visualSettings().sensorList().itemText(0); }, "Board"},
        {"LM75 untouched", [&] { return window.gaugeColumn().caption(S::LM75).text(); }, "CPU LM75"},
        {"Fan 2 window name", [&] { return window.readingsGroups().fanNameLabel(Fan::Fan2).text(); }, "Exhaust"},
        {"Fan 2 statistics name", [&] { return upDown().nameLabel(UpDownReading::Fan2).text(); }, "Exhaust"},
        {"Fan 2 tooltip box", [&] { return visual().tooltip().box(NamedItem::Fan2).text(); }, "Exhaust"},
        {"+3.3 statistics name", [&] { return upDown().nameLabel(UpDownReading::P33Voltage).text(); }, "+3.3 Voltage"},
    };
    typeName(NamedItem::WB1, "Board");
    typeName(NamedItem::Fan2, "Exhaust");
    for (const Place& place : places) {
        EXPECT_EQ(place.text(), QString::fromUtf8(place.expected)) << place.what;
    }
    EXPECT_EQ(h.settings.temperature(S::WB1).name, "Board");
    EXPECT_EQ(h.settings.fan(Fan::Fan2).name, "Exhaust");

    // The fan's speed moves to 10 pixels right of its longer name.
    const QLabel& name = window.readingsGroups().fanNameLabel(Fan::Fan2);
    EXPECT_EQ(window.readingsGroups().fanRpmLabel(Fan::Fan2).x(), name.x() + name.width() + 10);

    // The edits hold no more than the log's columns.
    typeName(NamedItem::WB3, "Hard disk drive");
    EXPECT_EQ(h.settings.temperature(S::WB3).name, "Hard disk d");
    typeName(NamedItem::Fan1, "Intake front");
    EXPECT_EQ(h.settings.fan(Fan::Fan1).name, "Intake fr");
}

TEST_F(VisualLogUpDownPagesTest, StatisticsFollowThePollsAndReset)
{
    h.driver.script("GetLM78Temp", {40, 41, 41});
    start(); // polls once
    h.poll.poll();
    h.poll.poll();
    EXPECT_EQ(upDown().lowLabel(UpDownReading::WB1).text(), "40");
    EXPECT_EQ(upDown().highLabel(UpDownReading::WB1).text(), "41");
    EXPECT_EQ(upDown().averageLabel(UpDownReading::WB1).text(), "40.67");
    EXPECT_NE(upDown().averageLabel(UpDownReading::Fan1).text(), "0");
    EXPECT_EQ(upDown().pollsLabel().text(), "Number of Polls: 3");

    // Reset while polling is suspended: every value "0", the polls as they were.
    h.setActive(false);
    upDown().resetButton().click();
    for (UpDownReading reading : kAllUpDownReadings) {
        EXPECT_EQ(upDown().lowLabel(reading).text(), "0");
        EXPECT_EQ(upDown().highLabel(reading).text(), "0");
        EXPECT_EQ(upDown().averageLabel(reading).text(), "0");
    }
    EXPECT_EQ(upDown().pollsLabel().text(), "Number of Polls: 3");
    // Reset while polling runs polls at once.
    h.setActive(true);
    upDown().resetButton().click();
    EXPECT_EQ(upDown().lowLabel(UpDownReading::WB1).text(), "41");
    EXPECT_EQ(upDown().pollsLabel().text(), "Number of Polls: 1");
}

TEST_F(VisualLogUpDownPagesTest, SaveAppendsOneReportAndMeasuresIt)
{
    start();
    h.poll.poll();
    const std::string txt = folder.file("updown.txt");
    ASSERT_EQ(test::readFile(txt), "");
    upDown().saveButton().click();
    const std::string once = test::readFile(txt);
    EXPECT_EQ(once.find("|Up and Down Log:"), once.rfind("|Up and Down Log:"));
    EXPECT_NE(once.find("|Motherboard     |"), std::string::npos) << once;
    upDown().saveButton().click();
    const std::string twice = test::readFile(txt);
    EXPECT_EQ(twice.size(), 2 * once.size());
    EXPECT_EQ(log().sizeLabel(LogFile::UpDownTxt).text(), "TXT:" + QString::number(twice.size() / 1024) + "Kb");
    EXPECT_TRUE(messages.errors().empty());
}

TEST_F(VisualLogUpDownPagesTest, LogPageSwitchesArrowsAndSizeLimit)
{
    start();
    LogPage& page = log();
    EXPECT_FALSE(page.intervalLogBox().isChecked());
    EXPECT_FALSE(page.intervalArrows().isEnabled());
    EXPECT_FALSE(page.intervalLabel().isEnabled());
    EXPECT_EQ(page.intervalLabel().text(), "Interval: 1 minutes");
    EXPECT_EQ(page.limitLabel().text(), "Stop Writing at 64Kb");

    page.intervalLogBox().click();
    EXPECT_TRUE(intervalLog.logging());
    EXPECT_TRUE(page.intervalArrows().isEnabled());
    emit page.intervalArrows().upClicked();
    EXPECT_EQ(page.intervalLabel().text(), "Interval: 2 minutes");
    EXPECT_EQ(logTimer->interval(), 120000);

    // The limit at 0: the next size check clears the box on the page.
    for (int i = 0; i < 17; ++i) {
        emit page.limitArrows().downClicked();
    }
    EXPECT_EQ(page.limitLabel().text(), "Stop Writing at 0Kb");
    intervalLog.checkLogFileSize();
    EXPECT_FALSE(page.intervalLogBox().isChecked());
    EXPECT_FALSE(page.intervalArrows().isEnabled());
    EXPECT_EQ(page.sizeLabel(LogFile::IntervalTxt).text(), "TXT:0Kb");

    // Format boxes write straight into the settings.
    page.findChild<QCheckBox*>("CheckBox84")->click();
    EXPECT_TRUE(h.settings.logCsv);
    page.viewButton(LogFile::IntervalHtm).click();
    ASSERT_EQ(shell.requests().size(), 1U);
    EXPECT_EQ(shell.requests().back().file, folder.file("cdxlog.htm"));
}

// A name typed on the Names page reaches the settings file and, once the
// interval log is erased (and only once the user agrees), its new header; a
// restart shows it again.
TEST_F(VisualLogUpDownPagesTest, ATypedNameIsSavedAndHeadsTheErasedLog)
{
    start();
    typeName(NamedItem::WB1, "Mainboard°");
    typeName(NamedItem::Fan3, "Pump");
    messages.queueAnswer(false);
    log().eraseButton(LogGroup::Interval).click();
    EXPECT_EQ(test::readFile(folder.file("cdxlog.txt")).find("Mainboard°"), std::string::npos);
    messages.queueAnswer(true);
    log().eraseButton(LogGroup::Interval).click();
    EXPECT_EQ(messages.questions().back(), "Are you sure you want to erase the Log Files ?");
    {
        FileRegistry registry(folder.path());
        SettingsStore store(registry, location);
        store.writeRegistry(h.settings, 0, 0);
    }
    const std::string saved = test::readFile(folder.file("HKEY_CURRENT_USER.reg"));
    EXPECT_NE(saved.find("\"VUM 1 Name\"=\"Mainboard°\""), std::string::npos) << saved;
    EXPECT_NE(saved.find("\"Fan 3 Name\"=\"Pump\""), std::string::npos);
    const std::string header = test::readFile(folder.file("cdxlog.txt"));
    EXPECT_NE(header.find("|CPU LM75   |Mainboard° |WB Sensor 2|"), std::string::npos) << header;
    EXPECT_NE(test::readFile(folder.file("cdxlog.csv")).find(";Pump\r\n"), std::string::npos);

    Settings restarted;
    FileRegistry registry(folder.path());
    SettingsStore(registry, location).readRegistry(restarted);
    EXPECT_EQ(restarted.temperature(S::WB1).name, "Mainboard°");
}

TEST_F(VisualLogUpDownPagesTest, StyleEditorsRedrawTheIcon)
{
    start();
    VisualSettingsPanel& panel = visual().visualSettings();
    ASSERT_EQ(wb1Picture().size(), QSize(16, 16));
    const QImage before = wb1Picture();
    // Background silver (0xFFC0C0C0) at a corner the text never reaches.
    EXPECT_EQ(before.pixel(15, 0), 0xFFC0C0C0U);

    panel.setBackground(QColor(0, 0, 128));
    EXPECT_EQ(wb1Picture().pixel(15, 0), 0xFF000080U);
    EXPECT_EQ(h.settings.temperature(S::WB1).trayStyle.background, 0x00800000U);

    const QImage blackText = wb1Picture();
    panel.setFontColour(QColor(255, 255, 0));
    EXPECT_EQ(h.settings.temperature(S::WB1).trayStyle.fontColour, 0x0000FFFFU);
    EXPECT_NE(wb1Picture(), blackText) << "the text is drawn in yellow";

    const QImage eightPoints = wb1Picture();
    panel.sizeSlider().setValue(12);
    EXPECT_NE(wb1Picture(), eightPoints) << "the larger font is drawn";
    EXPECT_EQ(h.settings.temperature(S::WB1).trayStyle.fontSize, 12);

    // Choosing another sensor shows its own style and edits only that one.
    panel.chooseSensor(1);
    EXPECT_EQ(panel.sizeSlider().value(), 8);
    panel.sizeSlider().setValue(6);
    EXPECT_EQ(h.settings.temperature(S::LM75).trayStyle.fontSize, 6);
    EXPECT_EQ(h.settings.temperature(S::WB1).trayStyle.fontSize, 12);
}

TEST_F(VisualLogUpDownPagesTest, TrayModesDecideWhichBoxesAndArrowsWork)
{
    h.settings.temperature(S::WB2).sensorEnabled = false;
    h.settings.temperature(S::WB3).sensorEnabled = true;
    start();
    SystemTrayPanel& panel = visual().systemTray();
    EXPECT_TRUE(panel.showMode().isChecked());
    EXPECT_TRUE(panel.showBox(S::WB1).isChecked());
    EXPECT_TRUE(panel.showBox(S::WB1).isEnabled());
    EXPECT_FALSE(panel.showBox(S::WB2).isEnabled()) << "switched off";
    EXPECT_FALSE(panel.swapBox(S::WB1).isEnabled());
    EXPECT_FALSE(panel.swapIntervalArrows().isEnabled());
    EXPECT_EQ(panel.swapIntervalLabel().text(), "Interval: 5 Seconds");

    panel.swapMode().click();
    EXPECT_TRUE(h.settings.swapIcons);
    EXPECT_FALSE(panel.showBox(S::WB1).isChecked());
    EXPECT_FALSE(panel.showBox(S::WB1).isEnabled());
    EXPECT_TRUE(panel.swapBox(S::WB3).isEnabled());
    EXPECT_FALSE(panel.swapBox(S::WB2).isEnabled());
    EXPECT_TRUE(panel.swapIntervalArrows().isEnabled());
    for (int i = 0; i < 6; ++i) {
        emit panel.swapIntervalArrows().upClicked();
    }
    EXPECT_EQ(panel.swapIntervalLabel().text(), "Interval: 10 Seconds");
    panel.swapBox(S::WB3).click();
    EXPECT_TRUE(h.settings.temperature(S::WB3).swap);

    panel.linesBox().click();
    EXPECT_FALSE(h.settings.trayLines);
    visual().tooltip().onAllIcons().click();
    EXPECT_TRUE(h.settings.tooltipOnAllIcons);
    visual().tooltip().box(NamedItem::Fan1).click();
    EXPECT_TRUE(h.settings.fan(Fan::Fan1).tooltip);
}

TEST_F(VisualLogUpDownPagesTest, ResettingPutsTheSelectorsBackOnTheirFirstEntry)
{
    start();
    visual().selector().choose(2);
    visual().visualSettings().chooseSensor(3);
    log().selector().choose(1);
    pages->resetSelectors();
    EXPECT_EQ(visual().selector().current(), 0);
    EXPECT_EQ(visual().visualSettings().sensorList().currentIndex(), 0);
    EXPECT_EQ(log().selector().current(), 0);
}

TEST_F(VisualLogUpDownPagesTest, EveryControlIsNamedAndReachableByTab)
{
    start();
    for (QWidget* page :
         {static_cast<QWidget*>(&visual()), static_cast<QWidget*>(&log()), static_cast<QWidget*>(&upDown())}) {
        for (QWidget* control : page->findChildren<QWidget*>()) {
            const bool operable = qobject_cast<QAbstractButton*>(control) || qobject_cast<QLineEdit*>(control) ||
                                  qobject_cast<QComboBox*>(control) || qobject_cast<QSlider*>(control) ||
                                  qobject_cast<SpinArrows*>(control);
            // The parts of composite controls are announced through the whole.
            const QWidget* owner = control->parentWidget();
            const bool part = owner->inherits("cdx::SpinArrows") || owner->inherits("QComboBox");
            if (!operable || part) {
                continue;
            }
            EXPECT_FALSE(control->accessibleName().isEmpty()) << control->objectName().toStdString();
            EXPECT_TRUE(control->focusPolicy() & Qt::TabFocus) << control->objectName().toStdString();
        }
    }
}

} // namespace
} // namespace cdx
