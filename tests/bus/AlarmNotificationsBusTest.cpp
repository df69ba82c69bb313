#include <algorithm>
#include <chrono>
#include <functional>
#include <sstream>
#include <string>

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QImage>
#include <gtest/gtest.h>

#include "TestDesktopProcess.h"
#include "WaitUntil.h"
#include "alarms/AlarmNotices.h"
#include "platform/qt/DbusDesktopNotifications.h"
#include "settings/Settings.h"

namespace cdx {
namespace {

using test::TestDesktopProcess;

const std::string Hot = "WARNING: Motherboard has reached: 50°C / 122°F";
const std::string High = "WARNING: +5 Voltage has reached: 5.60V";
const std::string Higher = "WARNING: +5 Voltage has reached: 5.70V";

std::string posted(int id, int replaces, int urgency, const std::string& body)
{
    return "notify id=" + std::to_string(id) + " replaces=" + std::to_string(replaces) +
           " urgency=" + std::to_string(urgency) +
           " image=1 actions=open,Open app=Caldrix summary=Caldrix body=" + body;
}

// Runs the event loop until `done` holds or the wait runs out.
bool waitUntil(const std::function<bool()>& done)
{
    return test::waitUntil(done, std::chrono::milliseconds(TestDesktopProcess::WaitMs),
                           [] { QCoreApplication::processEvents(QEventLoop::AllEvents, 20); });
}

QImage programIcon()
{
    QImage icon(32, 32, QImage::Format_ARGB32);
    icon.fill(0xFF3070C0);
    return icon;
}

class AlarmNotificationsBusTest : public ::testing::Test {
protected:
    AlarmNotificationsBusTest()
    {
        m_desktop.setOnOpen([this] { ++opened; });
    }

    Settings settings;
    std::ostringstream diagnostics;
    DbusDesktopNotifications m_desktop{diagnostics, programIcon(), QStringLiteral("caldrix")};
    AlarmNotices notices{settings, m_desktop};
    int opened = 0;
};

TEST_F(AlarmNotificationsBusTest, OneNotificationPerAlarmUpdatedInPlaceAndClosedWhenItClears)
{
    TestDesktopProcess server;
    ASSERT_EQ(server.nextLine(), "ready");

    // Each alarm switches itself off as it fires (latched).
    settings.temperature(TemperatureSensor::WB1).alarmEnabled = false;
    notices.raised(Alarm::WB1, Hot);
    settings.voltageAlarmEnabled = false;
    notices.raised(Alarm::Voltage, High);
    notices.pollEnded();
    EXPECT_EQ(server.nextLine(), posted(1, 0, 2, Hot)) << "critical: a temperature";
    EXPECT_EQ(server.nextLine(), posted(2, 0, 1, High));

    // Polls while latched post nothing; the voltage alarm, switched on again
    // and still out of its band, fires (and switches off) anew: the same
    // notification changes.
    notices.pollEnded();
    notices.raised(Alarm::Voltage, Higher);
    notices.pollEnded();
    EXPECT_EQ(server.nextLine(), posted(2, 2, 1, Higher));

    // "Open" on a notification shows the window.
    server.send("invoke 2 open");
    EXPECT_EQ(server.nextLine(), "invoked");
    EXPECT_TRUE(waitUntil([this] { return opened == 1; }));

    // Both switched on again and neither fires: both notifications close.
    settings.temperature(TemperatureSensor::WB1).alarmEnabled = true;
    settings.voltageAlarmEnabled = true;
    notices.pollEnded();
    EXPECT_EQ(server.nextLine(), "close id=1");
    EXPECT_EQ(server.nextLine(), "close id=2");
    notices.pollEnded();

    // The next time the temperature alarm fires it is a new notification.
    settings.temperature(TemperatureSensor::WB1).alarmEnabled = false;
    notices.raised(Alarm::WB1, Hot);
    EXPECT_EQ(server.nextLine(), posted(3, 0, 2, Hot));
    server.send("invoke 2 open");
    EXPECT_EQ(server.nextLine(), "invoked");
    server.send("invoke 3 open");
    EXPECT_EQ(server.nextLine(), "invoked");
    EXPECT_TRUE(waitUntil([this] { return opened == 2; }));
    EXPECT_EQ(opened, 2) << "a closed notification's action opens nothing";
    EXPECT_EQ(diagnostics.str(), "");
}

TEST_F(AlarmNotificationsBusTest, ChangesBeforeTheServerAnsweredFollowInOrder)
{
    TestDesktopProcess server;
    ASSERT_EQ(server.nextLine(), "ready");
    // No event runs in between: the server has not said its number yet.
    m_desktop.show(static_cast<int>(Alarm::Voltage), {"Caldrix", High, false});
    m_desktop.show(static_cast<int>(Alarm::Voltage), {"Caldrix", Higher, false});
    m_desktop.show(static_cast<int>(Alarm::Fan1), {"Caldrix", "WARNING: Fan 1 has reached: 0 RPM", false});
    m_desktop.close(static_cast<int>(Alarm::Fan1));
    EXPECT_EQ(server.nextLine(), posted(1, 0, 1, High));
    EXPECT_EQ(server.nextLine(), posted(1, 1, 1, Higher)) << "the change waited for the number";
    // The fan's notice was withdrawn before it could be sent: the server
    // never sees it, and the next notice is the next thing it hears of.
    m_desktop.show(static_cast<int>(Alarm::WB1), {"Caldrix", Hot, true});
    EXPECT_EQ(server.nextLine(), posted(2, 0, 2, Hot));
}

TEST_F(AlarmNotificationsBusTest, WithoutAServerOneLineOnStandardErrorOnce)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    ASSERT_TRUE(bus.isConnected());
    ASSERT_FALSE(bus.interface()->isServiceRegistered(QStringLiteral("org.freedesktop.Notifications")).value());
    notices.raised(Alarm::WB1, Hot);
    ASSERT_TRUE(waitUntil([this] { return !diagnostics.str().empty(); }));
    notices.raised(Alarm::Voltage, High);
    notices.pollEnded();
    // A round trip to the bus after the calls: their answers are in by then.
    bus.interface()->isServiceRegistered(QStringLiteral("org.freedesktop.Notifications"));
    QCoreApplication::processEvents();
    const std::string said = diagnostics.str();
    EXPECT_EQ(said.rfind("Caldrix: no desktop notifications", 0), 0U) << said;
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;

    // Without a session bus at all, the same.
    std::ostringstream alone;
    DbusDesktopNotifications unconnected(alone, QImage(), QStringLiteral("caldrix"), QDBusConnection(QString()));
    unconnected.show(static_cast<int>(Alarm::WB1), {"Caldrix", Hot, true});
    unconnected.show(static_cast<int>(Alarm::WB2), {"Caldrix", Hot, true});
    unconnected.close(static_cast<int>(Alarm::WB1));
    const std::string saidAlone = alone.str();
    EXPECT_EQ(std::count(saidAlone.begin(), saidAlone.end(), '\n'), 1) << saidAlone;
}

} // namespace
} // namespace cdx
