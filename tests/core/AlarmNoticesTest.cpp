#include "alarms/AlarmNotices.h"

#include <gtest/gtest.h>

#include "AlarmHarness.h"
#include "platform/fake/FakeDesktopNotifications.h"

namespace cdx {
namespace {

using test::AlarmHarness;
using Call = FakeDesktopNotifications::Call;

class AlarmNoticesTest : public ::testing::Test {
protected:
    AlarmNoticesTest() { h.actions.attachNotices(&notices); }

    // One poll whose checks find the WB1 temperature at its mark.
    void hotPoll()
    {
        if (h.settings.temperature(TemperatureSensor::WB1).alarmEnabled) {
            h.evaluator.displayTemperatureAlarm(TemperatureSensor::WB1);
        }
        notices.pollEnded();
    }

    AlarmHarness h;
    FakeDesktopNotifications desktop;
    AlarmNotices notices{h.settings, desktop};
};

TEST_F(AlarmNoticesTest, RaisedAlarmPostsOneNoticeThatStaysWhileLatched)
{
    hotPoll();
    ASSERT_EQ(desktop.calls().size(), 1U);
    const Call& posted = desktop.calls()[0];
    EXPECT_EQ(posted.kind, Call::Show);
    EXPECT_EQ(posted.key, static_cast<int>(Alarm::WB1));
    EXPECT_EQ(posted.notice.summary, "Caldrix");
    EXPECT_EQ(posted.notice.body, "WARNING: Motherboard has reached: 50°C / 122°F") << "the warning log's text";
    EXPECT_TRUE(posted.notice.critical);
    // Posted before the Warning dialog waits for the user.
    EXPECT_EQ(h.dialog.texts.size(), 1U);

    // "OK & Disable Alarm": the alarm stays off, the notice stays up.
    for (int poll = 0; poll < 5; ++poll) {
        hotPoll();
    }
    EXPECT_EQ(desktop.calls().size(), 1U);
    EXPECT_TRUE(notices.shown(Alarm::WB1));
}

TEST_F(AlarmNoticesTest, RaisedAgainUpdatesInPlaceAndClearingWithdrawsIt)
{
    h.dialog.answer = FakeWarningPrompt::Answer::EnableAlarm;
    hotPoll();
    // Still hot after "OK & Enable Alarm": the same notice, not a second.
    h.settings.temperature(TemperatureSensor::WB1).alarmTemperature = 55;
    hotPoll();
    ASSERT_EQ(desktop.calls().size(), 2U);
    EXPECT_EQ(desktop.calls()[1].kind, Call::Show);
    EXPECT_EQ(desktop.calls()[1].key, static_cast<int>(Alarm::WB1));
    EXPECT_EQ(desktop.calls()[1].notice.body, "WARNING: Motherboard has reached: 55°C / 131°F");
    EXPECT_EQ(desktop.shown().size(), 1U);
    // Raised again with the same words: nothing new to say.
    hotPoll();
    EXPECT_EQ(desktop.calls().size(), 2U);

    // Armed, and the poll raised nothing: the reading came back.
    notices.pollEnded();
    ASSERT_EQ(desktop.calls().size(), 3U);
    EXPECT_EQ(desktop.calls()[2].kind, Call::Close);
    EXPECT_EQ(desktop.calls()[2].key, static_cast<int>(Alarm::WB1));
    EXPECT_FALSE(notices.shown(Alarm::WB1));
    notices.pollEnded();
    EXPECT_EQ(desktop.calls().size(), 3U) << "closed once";

    // The next time it fires it is a new notice.
    hotPoll();
    EXPECT_EQ(desktop.calls().back().kind, Call::Show);
    EXPECT_TRUE(notices.shown(Alarm::WB1));
}

TEST_F(AlarmNoticesTest, EachAlarmHasItsOwnNoticeAndOnlyTemperaturesAreCritical)
{
    h.settings.voltageAlarmEnabled = true;
    h.evaluator.displayVoltageAlarm("+5 Voltage", 5.6);
    h.settings.fan(Fan::Fan2).alarmEnabled = true;
    h.settings.fanAlarmIgnoreCount = 0;
    h.evaluator.displayFanAlarm(Fan::Fan2, 10, 1200.0);
    notices.pollEnded();
    ASSERT_EQ(desktop.shown().size(), 2U);
    EXPECT_EQ(desktop.shown().at(static_cast<int>(Alarm::Voltage)).body, "WARNING: +5 Voltage has reached: 5.60V");
    EXPECT_FALSE(desktop.shown().at(static_cast<int>(Alarm::Voltage)).critical);
    EXPECT_FALSE(desktop.shown().at(static_cast<int>(Alarm::Fan2)).critical);

    // Re-arming one alarm by hand clears it alone.
    h.settings.voltageAlarmEnabled = true;
    notices.pollEnded();
    EXPECT_EQ(desktop.shown().count(static_cast<int>(Alarm::Voltage)), 0U);
    EXPECT_EQ(desktop.shown().count(static_cast<int>(Alarm::Fan2)), 1U);
}

TEST_F(AlarmNoticesTest, SwitchedOffNothingIsPosted)
{
    h.settings.desktopNotifications = false;
    hotPoll();
    EXPECT_TRUE(desktop.calls().empty());
    EXPECT_EQ(h.dialog.texts.size(), 1U) << "the dialog all the same";
}

} // namespace
} // namespace cdx
