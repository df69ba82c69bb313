#include "ui/WarningDialog.h"

#include <memory>

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include "alarms/AlarmSound.h"
#include "alarms/WarningDialogControl.h"
#include "platform/fake/FakeSensorDriver.h"
#include "platform/fake/FakeTimerQueue.h"
#include "platform/fake/FakeWavePlayer.h"
#include "platform/qt/QtTimer.h"
#include "settings/Settings.h"

namespace cdx {
namespace {

class WarningDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        pollTimer->setEnabled(true);
        player.play("alarm.wav", true);
        settings.temperature(TemperatureSensor::WB3).alarmEnabled = false;
        control.setAlarm(Alarm::WB3);
    }

    // Shows the dialog and runs `whileUp` from inside its event loop.
    void showAndThen(const std::function<void()>& whileUp)
    {
        QTimer::singleShot(200, &dialog, [&] {
            pollingWhileUp = pollTimer->enabled();
            whileUp();
        });
        dialog.showModal("Voltage Alarm for +5 Voltage\n\rThis unit is more then 10% off");
    }

    Settings settings;
    FakeTimerQueue queue;
    std::unique_ptr<Timer> pollTimer = queue.createTimer();
    QtTimer toneTimer;
    FakeWavePlayer player;
    FakeSensorDriver driver;
    AlarmSound sound{settings, player, driver};
    int trayRedraws = 0;
    WarningDialogControl control{{settings, *pollTimer, toneTimer, sound, [this] { ++trayRedraws; }, {}}};
    WarningDialog dialog{control};
    bool pollingWhileUp = true;
};

TEST_F(WarningDialogTest, OkAndEnableSwitchesOnTheNamedAlarmAndEndsTheSounds)
{
    int ticks = 0;
    toneTimer.setInterval(20);
    toneTimer.setOnTick([&] { ++ticks; });
    toneTimer.setEnabled(true);
    showAndThen([this] { dialog.enableButton()->click(); });
    // The tone timer kept ticking while the dialog waited; the poll did not.
    EXPECT_GT(ticks, 2);
    EXPECT_FALSE(pollingWhileUp);
    EXPECT_TRUE(settings.temperature(TemperatureSensor::WB3).alarmEnabled);
    EXPECT_TRUE(pollTimer->enabled());
    EXPECT_FALSE(toneTimer.enabled());
    EXPECT_EQ(player.playing, "");
    EXPECT_EQ(trayRedraws, 1);
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(WarningDialogTest, OkAndDisableAndTheCloseBoxLeaveTheAlarmOff)
{
    EXPECT_EQ(dialog.windowTitle(), "Warning");
    EXPECT_TRUE(dialog.windowFlags() & Qt::WindowStaysOnTopHint);
    showAndThen([this] {
        // The message's "\n\r" breaks the line once.
        EXPECT_EQ(dialog.label()->text(), "Voltage Alarm for +5 Voltage\nThis unit is more then 10% off");
        dialog.disableButton()->click();
    });
    EXPECT_FALSE(settings.temperature(TemperatureSensor::WB3).alarmEnabled);
    EXPECT_TRUE(pollTimer->enabled());
    EXPECT_EQ(trayRedraws, 1);

    player.play("alarm.wav", true);
    showAndThen([this] { dialog.close(); });
    EXPECT_FALSE(pollingWhileUp);
    EXPECT_FALSE(settings.temperature(TemperatureSensor::WB3).alarmEnabled);
    EXPECT_TRUE(pollTimer->enabled());
    EXPECT_FALSE(toneTimer.enabled());
    EXPECT_EQ(player.playing, "");
    EXPECT_EQ(trayRedraws, 2);
}

} // namespace
} // namespace cdx
