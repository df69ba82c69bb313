#include "settings/RunOnStartup.h"

#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/fake/FakeAutostartEntry.h"
#include "platform/fake/FakeProgramLocation.h"
#include "platform/fake/FakeRegistry.h"

namespace cdx {
namespace {

constexpr RootKey kMachine = RootKey::LocalMachine;
constexpr const char* kRun = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

class RunOnStartupTest : public ::testing::Test {
protected:
    const RegistryValue* runValue(const char* name) const { return m_registry.value(kMachine, kRun, name); }

    FakeRegistry m_registry;
    FakeProgramLocation m_location{"/opt/caldrix"};
    FakeAutostartEntry m_autostart;
    RunOnStartup m_run{m_registry, m_location, m_autostart};
};

TEST_F(RunOnStartupTest, StartUpCheckRemovesOldValuesAndReportsTheEntry)
{
    EXPECT_FALSE(m_run.checkAtStartup()); // without a Run key it creates nothing
    EXPECT_FALSE(m_registry.hasKey(kMachine, kRun));
    for (const char* name : {"Ondrel", "Ondrel 2.42", "Caldrix 2.42", "Caldrix 2.5", "Other Program"}) {
        m_registry.setValue(kMachine, kRun, name, RegistryValue::fromString("x"));
    }
    EXPECT_FALSE(m_run.checkAtStartup());
    EXPECT_EQ(m_registry.valueNames(kMachine, kRun), std::set<std::string>{"Other Program"});

    m_registry.setValue(kMachine, kRun, "Caldrix", RegistryValue::fromString("/old/place/caldrix"));
    EXPECT_TRUE(m_run.checkAtStartup());
}

TEST_F(RunOnStartupTest, AMovedProgramKeepsStartingFromWhereItNowLies)
{
    EXPECT_FALSE(m_run.renewAtStartup()); // nothing there: nothing written
    EXPECT_FALSE(m_registry.hasKey(kMachine, kRun));
    EXPECT_FALSE(m_autostart.installed());

    m_registry.setValue(kMachine, kRun, "Caldrix", RegistryValue::fromString("/old/place/caldrix"));
    EXPECT_TRUE(m_run.renewAtStartup());
    EXPECT_EQ(*runValue("Caldrix"), RegistryValue::fromString("/opt/caldrix/caldrix"));
    EXPECT_EQ(m_autostart.path(), "/opt/caldrix/caldrix");

    // A leftover autostart entry goes when the value is gone.
    m_autostart.install("/old/place/caldrix");
    m_registry.setValue(kMachine, kRun, "Caldrix", RegistryValue::fromString("/old/place/caldrix"));
    EXPECT_TRUE(m_run.checkAtStartup());
    EXPECT_TRUE(m_autostart.installed());

    m_registry.openKey(kMachine, kRun, false)->deleteValue("Caldrix");
    EXPECT_FALSE(m_run.checkAtStartup());
    EXPECT_FALSE(m_autostart.installed());
}

TEST_F(RunOnStartupTest, CheckingWritesTheCurrentPathAndUncheckingRemovesIt)
{
    m_registry.setValue(kMachine, kRun, "Caldrix", RegistryValue::fromString("/old/place/caldrix"));
    EXPECT_TRUE(m_run.apply(true, false));
    EXPECT_EQ(*runValue("Caldrix"), RegistryValue::fromString("/opt/caldrix/caldrix"));
    EXPECT_EQ(m_autostart.path(), "/opt/caldrix/caldrix");

    EXPECT_TRUE(m_run.apply(false, true));
    EXPECT_EQ(runValue("Caldrix"), nullptr);
    EXPECT_FALSE(m_autostart.installed());
    EXPECT_TRUE(m_run.apply(false, true)); // already off
}

TEST_F(RunOnStartupTest, TheMessageComesFirstAndOnlyWhileTheWindowShows)
{
    std::vector<std::string> shown;
    bool writtenBeforeMessage = false;
    auto show = [&](const std::string& text) {
        shown.push_back(text);
        writtenBeforeMessage = runValue("Caldrix") != nullptr;
    };
    m_run.apply(true, false, show);
    EXPECT_TRUE(shown.empty());
    m_run.apply(false, true, show);
    EXPECT_TRUE(shown.empty());

    m_run.apply(true, true, show);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_FALSE(writtenBeforeMessage);
    EXPECT_EQ(shown[0], "Windows will try to launch this program from it's current path next time it starts up.\n\r\n\r"
                        "/opt/caldrix/caldrix");
    EXPECT_EQ(shown[0], m_run.launchMessage());
}

TEST_F(RunOnStartupTest, FailuresLeaveValueAndEntryInStep)
{
    m_autostart.setFailing(true);
    EXPECT_FALSE(m_run.apply(true, false));
    EXPECT_EQ(runValue("Caldrix"), nullptr);
    EXPECT_FALSE(m_autostart.installed());

    m_autostart.setFailing(false);
    ASSERT_TRUE(m_run.apply(true, false));
    m_autostart.setFailing(true);
    EXPECT_FALSE(m_run.apply(false, false));
    EXPECT_NE(runValue("Caldrix"), nullptr);
    EXPECT_TRUE(m_autostart.installed());

    m_autostart.setFailing(false);
    FakeRegistry readOnly;
    readOnly.setValue(kMachine, kRun, "Other", RegistryValue::fromString("x"));
    readOnly.failWritesOf("Caldrix");
    RunOnStartup run(readOnly, m_location, m_autostart);
    EXPECT_FALSE(run.apply(true, false));
}

} // namespace
} // namespace cdx
