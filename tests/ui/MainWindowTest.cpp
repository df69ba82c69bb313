#include "ui/MainWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QMoveEvent>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include "../core/PollHarness.h"
#include "monitor/MonitorTimers.h"
#include "platform/fake/FakeBeeper.h"
#include "platform/fake/FakeShell.h"
#include "platform/fake/FakeTimerQueue.h"
#include "ui/GaugeColumn.h"
#include "ui/InformationDialog.h"
#include "ui/ReadingsGroups.h"

namespace cdx {
namespace {

using S = TemperatureSensor;

class MainWindowTest : public ::testing::Test {
protected:
    void make()
    {
        window = std::make_unique<MainWindow>(MainWindow::Parts{
            .settings = h.settings,
            .gauges = h.gauges,
            .readings = h.panel,
            .statistics = h.statistics,
            .pollCycle = h.poll,
            .timers = timers,
            .log =
                PopupMenu::LogActions{
                    .start = [this] { log.push_back("start"); },
                    .stop = [this] { log.push_back("stop"); },
                    .view = [this] { log.push_back("view"); },
                    .erase = [this] { log.push_back("erase"); },
                    .logging = [this] { return logging; },
                },
            .exit = [this] { ++exits; },
            .readLm75 = {},
            .trayBoxesChanged = {},
            .suspendTray = [this] { log.push_back("tray suspended"); },
            .restoreTray = [this] { log.push_back("tray restored"); },
            .shell = &shell,
        });
    }

    QSize screen() const { return QGuiApplication::primaryScreen()->geometry().size(); }
    // The window's size frame and caption included, as the states keep it.
    QSize outerSize() const { return QSize(window->displayState().width(), window->displayState().height()); }
    QAction* item(const char* name) { return window->popupMenu().item(name); }
    template <typename T> T* child(const char* name) { return window->findChild<T*>(name); }

    PollHarness h;
    FakeTimerQueue queue;
    FakeBeeper beeper;
    MonitorTimers timers{queue, beeper};
    FakeShell shell;
    std::vector<std::string> log;
    bool logging = false;
    int exits = 0;
    std::unique_ptr<MainWindow> window;
};

TEST_F(MainWindowTest, StartsHiddenAndBuildsTheExpandedPartOnFirstUse)
{
    h.settings.temperature(TemperatureSensor::LM75).name = "Processor";
    make();
    EXPECT_TRUE(window->isHidden());
    EXPECT_EQ(window->gaugeColumn().caption(S::LM75).text(), "Processor");

    // The expanded window's groups and pages are made when it first expands.
    EXPECT_EQ(child<QCheckBox>("VMCoreVoltageCheckBox"), nullptr);
    EXPECT_EQ(child<PageControl>("PageControl1"), nullptr);
    window->showExpanded();
    const QList<QCheckBox*> boxes = window->findChildren<QCheckBox*>(QRegularExpression("^VM.*VoltageCheckBox$"));
    EXPECT_EQ(boxes.size(), 6);
    for (const QCheckBox* box : boxes) {
        EXPECT_TRUE(box->isChecked()) << box->objectName().toStdString();
    }

    PageControl& pages = window->pageControl();
    QStringList tabs;
    for (int i = 0; i < pages.count(); ++i) {
        tabs << pages.tabText(i);
    }
    EXPECT_EQ(tabs, (QStringList{"General", "Temperatures", "Voltages", "Fan's", "Compensation", "Visual", "Log",
                                 "Up/Down", "CPUIdle"}));
    EXPECT_EQ(&window->page(MainWindow::CPUIdle), pages.widget(8));
    // Two rows of tabs, none behind scroll arrows; a frame with minimise and
    // close but without maximise.
    EXPECT_EQ(pages.rows().size(), 2U);
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(window->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(window->windowFlags() & Qt::WindowCloseButtonHint);
}

TEST_F(MainWindowTest, StatesSizesAndWindowKinds)
{
    make();
    window->showCompact();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(outerSize(), QSize(112, 286));
    EXPECT_TRUE(window->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(window->windowType(), Qt::Tool);

    window->toggleMode();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(outerSize(), QSize(572, 314));
    EXPECT_FALSE(window->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(window->windowType(), Qt::Window);

    window->toggleMode();
    EXPECT_EQ(outerSize(), QSize(112, 286));

    window->setStayOnTop(false);
    window->showTaskbarButton(true);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowType(), Qt::Window);
    EXPECT_FALSE(window->windowFlags() & Qt::WindowStaysOnTopHint);
}

TEST_F(MainWindowTest, SwitchedOffSensorsLeaveNoGapInTheColumn)
{
    make();
    GaugeColumn& column = window->gaugeColumn();
    const GaugeStack lm75AndWb3 = column.restack({false, true, false, true});
    EXPECT_EQ(column.panel(S::LM75).y(), 8);
    EXPECT_EQ(column.panel(S::WB3).y(), 70);
    EXPECT_TRUE(column.panel(S::WB1).isHidden());
    EXPECT_EQ(lm75AndWb3.compactHeight, 162);

    SensorSwitches& switches = window->sensorSwitches();
    switches.setChecked(S::WB1, false);
    switches.setChecked(S::WB2, true);
    switches.setChecked(S::WB3, true);
    switches.runHandler(TemperatureSensor::LM75); // off, as start-up runs it
    EXPECT_EQ(column.panel(S::WB2).y(), 8);
    EXPECT_EQ(column.panel(S::WB3).y(), 70);
    EXPECT_EQ(h.gauges[0].centerLabel(), "--");
    window->showCompact();
    EXPECT_EQ(outerSize().height(), 162);

    h.settings.temperature(TemperatureSensor::WB1).sensorEnabled = true;
    h.settings.temperature(TemperatureSensor::WB2).sensorEnabled = false;
    h.settings.temperature(TemperatureSensor::WB3).sensorEnabled = false;
    window->applySensorSwitches(true);
    EXPECT_EQ(column.panel(S::WB1).y(), 8);
    EXPECT_TRUE(column.panel(S::WB2).isHidden());
}

TEST_F(MainWindowTest, HidingRemembersWhereTheFrameIsOnce)
{
    h.settings.windowLeft = 40;
    h.settings.windowTop = 30;
    make();
    window->showCompact();
    ASSERT_EQ(window->pos(), QPoint(40, 30));
    // A desktop with a frame reports where the inside of the window went:
    // its own border and caption further right and down. The window is
    // remembered, and shown again, where its frame is; the inside's position
    // would move it by the frame at every hide and show.
    QMoveEvent inside(QPoint(43, 55), QPoint(-5000, 30));
    QApplication::sendEvent(window.get(), &inside);
    window->hideToTray();
    EXPECT_EQ(QPoint(h.settings.windowLeft, h.settings.windowTop), QPoint(40, 30));
    window->showCompact();
    EXPECT_EQ(window->pos(), QPoint(40, 30));

    window->move(120, 90); // the user drags the window
    QApplication::processEvents();
    window->hideToTray();
    EXPECT_EQ(QPoint(h.settings.windowLeft, h.settings.windowTop), QPoint(120, 90));
    EXPECT_EQ(window->displayState().left(), WindowState::ParkedLeft);
    EXPECT_LT(window->x(), -572);
    EXPECT_TRUE(window->isHidden());
    window->hideToTray(); // hidden already: the parked place is not remembered
    EXPECT_EQ(QPoint(h.settings.windowLeft, h.settings.windowTop), QPoint(120, 90));
    window->showCompact();
    EXPECT_EQ(window->pos(), QPoint(120, 90));
}

TEST_F(MainWindowTest, RememberedPositionIsPulledOntoTheScreen)
{
    h.settings.windowLeft = screen().width() + 100;
    h.settings.windowTop = 10;
    make();
    window->showExpanded();
    EXPECT_EQ(window->x(), screen().width() - 572);

    window->hideToTray();
    h.settings.windowLeft = -30;
    h.settings.windowTop = -30;
    window->showCompact();
    EXPECT_EQ(window->pos(), QPoint(0, 0));
}

TEST_F(MainWindowTest, TrayDoubleClickOpensTheModeLastChosen)
{
    make();
    window->showExpanded();
    window->hideToTray();
    window->openFromTray();
    EXPECT_EQ(outerSize().width(), 572);

    window->hideToTray();
    window->showCompact();
    window->hideToTray();
    window->openFromTray();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(outerSize().width(), 112);
    EXPECT_TRUE(h.settings.doubleClickSmall);
}

TEST_F(MainWindowTest, MinimisingHidesToTheTray)
{
    make();
    window->showCompact();
    window->setWindowState(Qt::WindowMinimized);
    QApplication::processEvents();
    QApplication::processEvents();
    EXPECT_TRUE(window->isHidden());
}

TEST_F(MainWindowTest, MenuFollowsTheWindowAndPolling)
{
    make();
    window->popupMenu().refresh();
    EXPECT_TRUE(item("Show1")->isEnabled());
    EXPECT_TRUE(item("Show2")->isEnabled());
    EXPECT_FALSE(item("Hide1")->isEnabled());

    item("Show2")->trigger();
    window->popupMenu().refresh();
    EXPECT_FALSE(item("Show1")->isEnabled());
    EXPECT_FALSE(item("Show2")->isEnabled());
    EXPECT_TRUE(item("Hide1")->isEnabled());

    timers.startUp(5000, 5000);
    window->popupMenu().refresh();
    EXPECT_EQ(item("pause1")->text(), "Suspend");
    item("pause1")->trigger();
    EXPECT_FALSE(timers.pollingActive());
    window->popupMenu().refresh();
    EXPECT_EQ(item("pause1")->text(), "Resume");
    item("pause1")->trigger();
    EXPECT_TRUE(timers.pollingActive());
    EXPECT_EQ(log, (std::vector<std::string>{"tray suspended", "tray restored"}));

    item("Exit1")->trigger();
    EXPECT_EQ(exits, 1);
    // Closing the window from its frame ends the program the same way.
    window->showCompact();
    window->close();
    EXPECT_EQ(exits, 2);
    EXPECT_TRUE(window->isVisible());
}

TEST_F(MainWindowTest, LogItemsAndTheJokeItem)
{
    make();
    EXPECT_FALSE(item("Log1")->isVisible());
    EXPECT_FALSE(item("ZunoBeer1")->isVisible());
    // The settings are loaded after the window is made: the stored choice
    // reaches the menu when the window shows them.
    h.settings.showLogOnPopup = true;
    window->applySettings();
    EXPECT_TRUE(item("Log4")->isVisible());
    EXPECT_TRUE(item("N1")->isVisible());

    logging = true;
    window->popupMenu().refresh();
    EXPECT_FALSE(item("Log1")->isEnabled());
    EXPECT_TRUE(item("Log2")->isEnabled());
    for (const char* name : {"Log1", "Log2", "Log3", "Log4"}) {
        item(name)->trigger(); // the disabled start item does nothing
    }
    EXPECT_EQ(log, (std::vector<std::string>{"stop", "view", "erase"}));

    window.reset();
    h.settings.showLogOnPopup = true;
    h.settings.zuno = true;
    make();
    EXPECT_TRUE(item("Log1")->isVisible());
    EXPECT_TRUE(item("ZunoBeer1")->isVisible());

    // The item opens the drive's tray: with an eject command on the path it
    // runs it plainly (a toggle would close a tray that is open); without
    // one it does nothing.
    const QByteArray path = qgetenv("PATH");
    QTemporaryDir bin;
    ASSERT_TRUE(bin.isValid());
    QFile fakeEject(bin.filePath("eject"));
    ASSERT_TRUE(fakeEject.open(QIODevice::WriteOnly));
    fakeEject.write("#!/bin/sh\n");
    fakeEject.close();
    fakeEject.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("PATH", bin.path().toLocal8Bit());
    item("ZunoBeer1")->trigger();
    QTemporaryDir empty;
    qputenv("PATH", empty.path().toLocal8Bit());
    item("ZunoBeer1")->trigger();
    qputenv("PATH", path);
    ASSERT_EQ(shell.requests().size(), 1U);
    EXPECT_EQ(shell.requests()[0].file, bin.filePath("eject").toStdString());
    EXPECT_TRUE(shell.requests()[0].arguments.empty());
}

TEST_F(MainWindowTest, QuickCheckCaptionsAndTheInformationDialog)
{
    h.settings.fan(Fan::Fan2).name = "R&D";
    make();
    h.panel.setVoltage(VoltageRail::Core, ": 1.65", true);
    h.panel.setFanText(Fan::Fan2, "3100");
    h.gauges[0].setCenterLabel("45°C");
    h.statistics.feed(UpDownReading::CoreVoltage, 1.65, h.poll.display());
    window->popupMenu().refresh();
    EXPECT_EQ(window->popupMenu().quickCheckItem(QuickCheckItem::MB)->text(), QString::fromUtf8("Motherboard: 45°C"));
    EXPECT_EQ(window->popupMenu().quickCheckItem(QuickCheckItem::CORE)->text(), "Core: 1.65");
    EXPECT_EQ(window->popupMenu().quickCheckItem(QuickCheckItem::FANnr2)->text(), "R&&D 3100");

    InformationDialog& dialog = window->informationDialog();
    bool wasModal = false;
    QTimer::singleShot(0, &dialog, [&] {
        wasModal = dialog.isVisible() && dialog.isModal();
        dialog.okButton().click();
    });
    window->popupMenu().quickCheckItem(QuickCheckItem::CORE)->trigger();
    EXPECT_TRUE(wasModal);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.titleLabel().text(), "Quick info for: Core Voltage");
    EXPECT_EQ(dialog.currentLabel().text(), "Current Value: : 1.65");
    EXPECT_EQ(dialog.alarmLabel().text(), "Sound Alarm at: 10% off");
    EXPECT_EQ(dialog.alarmOnLabel().text(), "Alarm Enabled");
    EXPECT_EQ(dialog.minLabel().text(), "Lowest value: 1.65");
    EXPECT_EQ(dialog.maxLabel().text(), "Highest value: 1.65");
}

TEST_F(MainWindowTest, ReadingsGroupsShowThePanel)
{
    make();
    // A reading that came while the groups did not exist yet shows when they
    // are made; later ones show at once.
    h.panel.setVoltage(VoltageRail::Pos5, ": 5.02", false);
    window->showExpanded();
    EXPECT_EQ(child<QLabel>("Label5")->text(), ": 5.02");
    h.panel.setVoltage(VoltageRail::Pos12, ": 13.10", true);
    QLabel* plus12 = child<QLabel>("Label7");
    EXPECT_EQ(plus12->text(), ": 13.10");
    EXPECT_EQ(plus12->palette().color(QPalette::WindowText), QColor(Qt::red));
    h.panel.setVoltage(VoltageRail::Pos12, ": 12.01", false);
    EXPECT_EQ(plus12->palette().color(QPalette::WindowText), QColor(Qt::black));

    h.panel.setFanText(Fan::Fan1, "not available");
    EXPECT_EQ(child<QLabel>("FMFan1RPMLabel")->text(), "not available");

    ReadingsGroups& groups = window->readingsGroups();
    groups.voltageBox(VoltageRail::Neg5).click();
    EXPECT_FALSE(h.settings.watched(VoltageRail::Neg5));

    h.settings.plus33VoltageNominal = 3.35;
    groups.refreshPlus33Caption();
    EXPECT_EQ(groups.voltageBox(VoltageRail::Pos33).text(), "+3.35 Voltage");

    // The box writes the value with the user's decimal separator.
    h.poll.setDecimalSeparator(",");
    window->applySettings();
    EXPECT_EQ(groups.voltageBox(VoltageRail::Pos33).text(), "+3,35 Voltage");
}

TEST_F(MainWindowTest, UnitButtonAndStartUpTab)
{
    h.settings.tabOnTop = 6;
    make();
    const QString before = window->unitButton().text();
    window->unitButton().click();
    EXPECT_NE(window->unitButton().text(), before);
    EXPECT_EQ(window->unitButton().text().toStdString(), h.poll.scaleCaption());

    window->showStartPage();
    EXPECT_EQ(window->pageControl().currentIndex(), 6);
    h.settings.tabOnTop = 9;
    window->showStartPage();
    EXPECT_EQ(window->pageControl().currentIndex(), 6);
}

} // namespace
} // namespace cdx
