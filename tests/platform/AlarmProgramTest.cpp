// An alarm's program is started as the file its path names: blanks, quotes and
// semicolons in the name reach no command interpreter.
#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "TemporaryDirectory.h"
#include "WaitUntil.h"
#include "alarms/AlarmActions.h"
#include "alarms/AlarmSound.h"
#include "alarms/WarningDialogControl.h"
#include "alarms/testing/FakeAlarmWindow.h"
#include "alarms/testing/FakeWarningPrompt.h"
#include "platform/fake/FakeSensorDriver.h"
#include "platform/fake/FakeTimerQueue.h"
#include "platform/fake/FakeWavePlayer.h"
#include "platform/linux/LinuxShell.h"
#include "settings/Settings.h"

namespace cdx {
namespace {

bool waitFor(const std::filesystem::path& file)
{
    return test::waitUntil([&] { return std::filesystem::exists(file); }, std::chrono::seconds(5));
}

// The alarm actions over fakes, with a real shell.
struct ActionsOverShell {
    ActionsOverShell(Settings& settings, Shell& shell)
        : sound(settings, player, driver), control({settings, *pollTimer, *toneTimer, sound, {}, {}}), dialog(control),
          actions({settings, window, shell, sound, *toneTimer, dialog, control, {}})
    {
    }

    FakeTimerQueue queue;
    std::unique_ptr<Timer> pollTimer = queue.createTimer();
    std::unique_ptr<Timer> toneTimer = queue.createTimer();
    FakeWavePlayer player;
    FakeSensorDriver driver;
    AlarmSound sound;
    WarningDialogControl control;
    FakeWarningPrompt dialog;
    FakeAlarmWindow window;
    AlarmActions actions;
};

TEST(AlarmProgramTest, APathWithShellCharactersIsOneProgramFile)
{
    test::TemporaryDirectory folder;
    const std::filesystem::path dir = folder.path();
    const std::filesystem::path script = dir / "alarm; touch injected 'quoted' \"double\" $(touch sub).sh";
    {
        std::ofstream out(script);
        out << "#!/bin/sh\n"
               "echo \"$#\" > \"$(dirname \"$0\")/ran\"\n";
    }
    std::filesystem::permissions(script, std::filesystem::perms::owner_all);

    Settings settings;
    settings.temperature(TemperatureSensor::WB1).actions.run = true;
    settings.temperature(TemperatureSensor::WB1).actions.runPath = script.string();
    settings.temperature(TemperatureSensor::WB1).actions.showMessage = false;
    LinuxShell shell;
    ActionsOverShell alarm(settings, shell);
    AlarmActions& actions = alarm.actions;

    // Started from another working folder, so that a command interpreter
    // would have created its files where the test looks.
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(dir);
    actions.run(Alarm::WB1, {"dialog", "log"});
    std::filesystem::current_path(previous);

    ASSERT_TRUE(waitFor(dir / "ran"));
    std::ifstream ran(dir / "ran");
    std::string argumentCount;
    ran >> argumentCount;
    EXPECT_EQ(argumentCount, "0");
    EXPECT_FALSE(std::filesystem::exists(dir / "injected"));
    EXPECT_FALSE(std::filesystem::exists(dir / "sub"));
}

} // namespace
} // namespace cdx
