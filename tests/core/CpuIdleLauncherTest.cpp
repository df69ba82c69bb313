#include "cpuidle/CpuIdleLauncher.h"

#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "monitor/ExternalRequests.h"
#include "platform/ExternalMessages.h"
#include "platform/RegionalFormats.h"
#include "platform/fake/FakeClock.h"
#include "platform/fake/FakeLocalMessaging.h"
#include "platform/fake/FakeRegistry.h"
#include "platform/fake/FakeShell.h"
#include "sensors/Readings.h"
#include "settings/Settings.h"

namespace cdx {
namespace {

constexpr const char* CompanionPath = "/opt/cpuidle/bin/caldrix-cpuidle";

class CpuIdleLauncherTest : public ::testing::Test {
protected:
    CpuIdleLauncherTest()
    {
        settings.cpuIdleLaunch = true;
        settings.cpuIdleClose = true;
        settings.cpuIdleLaunchTemperature = 45;
        settings.cpuIdleCloseTemperature = 40;
        settings.warningLogEnabled = true;
        launcher.setObserver({[this](const std::string& line) { shownEvents.push_back(line); },
                              [this](bool enabled) { resetShown = enabled; },
                              [this](bool available) { optionsShown = available; }});
    }

    void install(const std::string& path = CompanionPath)
    {
        registry.setValue(RootKey::LocalMachine, "Software\\CpuIdle", "Path", RegistryValue::fromString(path));
    }
    void setTemperature(float celsius) { readings.temperature(TemperatureSensor::WB1) = celsius; }
    // The companion's endpoint, claimed on the fake bus.
    void startCompanion()
    {
        companion = bus.claim("CPUIdle", [this](const LocalMessage& m) { companionGot.push_back(m); }).endpoint;
    }
    std::vector<std::string> eventTexts() const
    {
        std::vector<std::string> texts;
        for (const auto& line : launcher.events()) {
            texts.push_back(line.substr(line.find(':', 15))); // after "12/06/26 14:30:15"
        }
        return texts;
    }

    Settings settings;
    Readings readings;
    FakeRegistry registry;
    FakeShell shell;
    FakeLocalMessaging bus;
    FakeClock clock;
    RegionalFormats formats;
    std::vector<std::string> warnings;
    std::set<std::string> existingFiles{CompanionPath};
    CpuIdleLauncher launcher{{settings, readings, registry, shell, bus, clock, formats,
                              [this](const std::string& line) { warnings.push_back(line); },
                              [this](const std::string& path) { return existingFiles.count(path) != 0; }}};
    std::unique_ptr<LocalEndpoint> companion;
    std::vector<LocalMessage> companionGot;
    std::vector<std::string> shownEvents;
    bool resetShown = false;
    bool optionsShown = true;
};

TEST_F(CpuIdleLauncherTest, LaunchesExactlyAtTheThresholdOnceInItsOwnFolder)
{
    install();
    setTemperature(44.4F);
    launcher.checkCpuIdleLaunch();
    EXPECT_TRUE(shell.requests().empty());
    EXPECT_FALSE(launcher.triggered());

    setTemperature(44.5F); // rounds to 44 (halves to even): still below
    launcher.checkCpuIdleLaunch();
    EXPECT_TRUE(shell.requests().empty());

    setTemperature(45.0F);
    launcher.checkCpuIdleLaunch();
    ASSERT_EQ(shell.requests().size(), 1u);
    EXPECT_EQ(shell.requests()[0], (FakeShell::Request{CompanionPath, {}, "/opt/cpuidle/bin/", ShowCommand::Show}));
    EXPECT_TRUE(launcher.triggered());
    EXPECT_TRUE(resetShown);
    EXPECT_EQ(eventTexts(), std::vector<std::string>{": CPU Idle was launched by CDX."});
    EXPECT_EQ(launcher.events()[0], "12/06/26 14:30:15: CPU Idle was launched by CDX.");
    EXPECT_EQ(shownEvents, launcher.events());
    EXPECT_EQ(warnings, std::vector<std::string>{"CPU Idle was launched by CDX."});

    // The working folder ends at the last separator.
    EXPECT_EQ(CpuIdleLauncher::directoryOf("/usr/bin/caldrix-cpuidle"), "/usr/bin/");
    EXPECT_EQ(CpuIdleLauncher::directoryOf("C:\\CpuIdle\\CpuIdle.exe"), "C:\\CpuIdle\\");
    EXPECT_EQ(CpuIdleLauncher::directoryOf("C:CpuIdle.exe"), "C:");
    EXPECT_EQ(CpuIdleLauncher::directoryOf("CpuIdle.exe"), "");
}

TEST_F(CpuIdleLauncherTest, ClosesExactlyAtTheThresholdWithCloseThenApp)
{
    install();
    startCompanion();
    setTemperature(45.0F);
    launcher.checkCpuIdleLaunch(); // already running: armed, not started
    ASSERT_TRUE(launcher.triggered());
    companionGot.clear();

    setTemperature(40.6F); // 41: above the close value
    launcher.checkCpuIdleClose();
    EXPECT_TRUE(launcher.triggered());
    EXPECT_TRUE(companionGot.empty()) << "above the close value it is not even looked for";

    companionGot.clear();
    setTemperature(40.0F);
    launcher.checkCpuIdleClose();
    EXPECT_FALSE(launcher.triggered());
    ASSERT_EQ(companionGot.size(), 3u); // the running test, then the two posts
    EXPECT_EQ(companionGot[1], (LocalMessage{ExternalMessages::Close, 0, 0}));
    EXPECT_EQ(companionGot[2], (LocalMessage{ExternalMessages::App, 0, 0}));
    EXPECT_EQ(eventTexts().back(), ": CPU Idle was closed by CDX.");
    EXPECT_EQ(warnings.back(), "CPU Idle was closed by CDX.");

    // Nothing runs any more: the close check lists nothing.
    companion.reset();
    const auto listed = launcher.events().size();
    launcher.checkCpuIdleClose();
    EXPECT_EQ(launcher.events().size(), listed);
}

TEST_F(CpuIdleLauncherTest, AlreadyRunningIsListedOnceAndNotRetriedUntilReset)
{
    install();
    startCompanion();
    settings.warningLogEnabled = false;
    setTemperature(60.0F);
    launcher.checkCpuIdleLaunch();
    EXPECT_EQ(eventTexts(), std::vector<std::string>{": CPU Idle was already running."});
    EXPECT_TRUE(shell.requests().empty());
    EXPECT_TRUE(warnings.empty()) << "\"Write Errors\" is off";

    launcher.reset();
    EXPECT_FALSE(launcher.triggered());
    EXPECT_FALSE(resetShown);
    EXPECT_EQ(eventTexts().back(), ": Reset");
}

TEST_F(CpuIdleLauncherTest, InstalledButMissingIsListedAndArmedAndNotInstalledDisablesTheOptions)
{
    install("C:\\Program Files\\CpuIdle\\gone.exe");
    setTemperature(50.0F);
    launcher.checkCpuIdleLaunch();
    EXPECT_TRUE(shell.requests().empty());
    EXPECT_EQ(eventTexts(), std::vector<std::string>{": CPU Idle could not be found by CDX"});
    EXPECT_EQ(warnings, std::vector<std::string>{"CPU Idle could not be found by CDX"});
    EXPECT_TRUE(launcher.triggered()) << "no retry by later polls";
    EXPECT_TRUE(settings.cpuIdleLaunch);

    registry.deleteKey(RootKey::LocalMachine, "Software\\CpuIdle");
    launcher.reset();
    launcher.checkCpuIdleLaunch();
    EXPECT_EQ(eventTexts().back(), ": CPU Idle could not be found by CDX");
    EXPECT_EQ(eventTexts()[eventTexts().size() - 2], ": CPU Idle could not be found.");
    EXPECT_FALSE(settings.cpuIdleLaunch);
    EXPECT_FALSE(settings.cpuIdleClose);
    EXPECT_FALSE(optionsShown);
    EXPECT_FALSE(registry.hasKey(RootKey::LocalMachine, "Software\\CpuIdle")) << "looked up, never created";

    // Registered later: the lookup makes the boxes usable again (unchecked).
    install();
    EXPECT_EQ(launcher.checkForCpuIdleInRegistry(true), CompanionPath);
    EXPECT_EQ(launcher.checkForCpuIdleInRegistry(false), "");
    EXPECT_TRUE(optionsShown);
    EXPECT_FALSE(settings.cpuIdleLaunch);
}

TEST_F(CpuIdleLauncherTest, TemperatureRequestIsAnsweredToCpuIdleOnly)
{
    settings.cpuIdleSensor = 2;
    settings.temperature(TemperatureSensor::WB2).sensorEnabled = true;
    readings.temperature(TemperatureSensor::WB2) = 38.5;
    ExternalRequests requests{{}, {}, [this] { launcher.reportTemperature(); }, {}};

    // Nobody listens: the request from some program is dropped quietly.
    EXPECT_TRUE(requests.handle({ExternalMessages::ReportTemperature, 77, -1}));
    EXPECT_TRUE(companionGot.empty());

    startCompanion();
    EXPECT_TRUE(requests.handle({ExternalMessages::ReportTemperature, 0, 0}));
    ASSERT_EQ(companionGot.size(), 1u);
    EXPECT_EQ(companionGot[0], (LocalMessage{ExternalMessages::TemperatureReport, 2, 38}));

    // A switched-off sensor reads 0 until the next poll forgets its value.
    settings.temperature(TemperatureSensor::WB2).sensorEnabled = false;
    EXPECT_EQ(launcher.watchedTemperature(), 0);
    settings.cpuIdleSensor = 7;
    EXPECT_EQ(launcher.watchedTemperature(), 0);
    EXPECT_FALSE(requests.handle({ExternalMessages::App + 404, 0, 0}));
}

} // namespace
} // namespace cdx
