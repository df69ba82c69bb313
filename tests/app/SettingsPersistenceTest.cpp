#include <string>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <gtest/gtest.h>

#include "ProgramHome.h"
#include "app/Application.h"
#include "platform/linux/FileRegistry.h"
#include "platform/linux/XdgAutostartEntry.h"
#include "settings/SettingsSchema.h"
#include "ui/SpinArrows.h"

namespace cdx {
namespace {

using test::expandedWindow;
using test::readFile;
using test::storeSettings;
using test::TemporaryHome;

// The line a saved row's DWORD value stands on.
std::string dwordLine(int position, unsigned value)
{
    char digits[9];
    std::snprintf(digits, sizeof digits, "%08x", value);
    return "\"" + std::string(settingRow(position).writtenName()) + "\"=dword:" + digits;
}

constexpr int kIntervalRow = 35;
constexpr int kExitQuestionRow = 77;

TEST(SettingsPersistenceTest, ASettingChangedOnAPageIsSavedAtExitAndShownAtTheNextStart)
{
    TemporaryHome home;
    ASSERT_TRUE(home.valid());
    // A user who has run the program before: every setting is stored.
    storeSettings(home, Settings{});
    ASSERT_NE(readFile(home.settingsFile()).find(dwordLine(kIntervalRow, 5000)), std::string::npos);

    {
        Application program(Application::bindLibraries(), home.programFile());
        program.start();
        QWidget* window = expandedWindow();
        ASSERT_NE(window, nullptr);
        auto* interval = window->findChild<SpinArrows*>("GenTabIntervalSpinButton");
        auto* exitQuestion = window->findChild<QCheckBox*>("GenTabEnableExitQCheckBox");
        ASSERT_NE(interval, nullptr);
        ASSERT_NE(exitQuestion, nullptr);
        interval->downButton().click();
        exitQuestion->click();
        program.shutdown();
    }
    const std::string saved = readFile(home.settingsFile());
    EXPECT_NE(saved.find(dwordLine(kIntervalRow, 4000)), std::string::npos) << saved;
    EXPECT_NE(saved.find(dwordLine(kExitQuestionRow, 0)), std::string::npos) << saved;

    {
        Application program(Application::bindLibraries(), home.programFile());
        program.start();
        QWidget* window = expandedWindow();
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window->findChild<QLabel*>("GenTabIntervalLabel")->text(), "Check at Intervals of 4 seconds");
        EXPECT_FALSE(window->findChild<QCheckBox*>("GenTabEnableExitQCheckBox")->isChecked());
        program.shutdown();
    }
}

TEST(SettingsPersistenceTest, AnExistingAutorunEntryIsRewrittenWithTheProgramsCurrentPathAtStartUp)
{
    TemporaryHome home;
    ASSERT_TRUE(home.valid());
    storeSettings(home, Settings{});
    {
        // Left by a copy of the program that has since been moved.
        FileRegistry registry(home.settingsFolder());
        registry.openKey(RootKey::LocalMachine, kRunKeyPath, true)->writeString(kRunValueName, "/old/place/caldrix");
    }
    {
        Application program(Application::bindLibraries(), home.programFile());
        program.start();
        QWidget* window = expandedWindow();
        ASSERT_NE(window, nullptr);
        EXPECT_TRUE(window->findChild<QCheckBox*>("GenTabRunOnStartupCheckBox")->isChecked());
        program.shutdown();
    }
    FileRegistry registry(home.settingsFolder());
    const auto key = registry.openKey(RootKey::LocalMachine, kRunKeyPath, false);
    ASSERT_NE(key, nullptr);
    const auto value = key->readValue(kRunValueName);
    ASSERT_TRUE(value.has_value());
    const std::string current = home.programFile();
    EXPECT_EQ(value->text, current);
    // The desktop starts the same path at login.
    const std::string entry = readFile(XdgAutostartEntry::defaultDirectory() + "/caldrix.desktop");
    EXPECT_NE(entry.find(current), std::string::npos) << entry;
}

TEST(SettingsPersistenceTest, TheLogTabOffersTheMetricsPageWithTheExportsState)
{
    TemporaryHome home;
    ASSERT_TRUE(home.valid());
    Application program(Application::bindLibraries(), home.programFile());
    program.start();
    QWidget* window = expandedWindow();
    ASSERT_NE(window, nullptr);
    auto* logSelector = window->findChild<QComboBox*>("LogTabComboBox");
    ASSERT_NE(logSelector, nullptr);
    const int entry = logSelector->findText("Metrics");
    ASSERT_GE(entry, 0);
    auto* endpointState = window->findChild<QLabel*>("MetricsEndpointState");
    ASSERT_NE(endpointState, nullptr);
    EXPECT_EQ(endpointState->text(), "Off");

    // An address typed on the page starts the endpoint and the page says so.
    auto* address = window->findChild<QLineEdit*>("MetricsAddressEdit");
    ASSERT_NE(address, nullptr);
    address->setText("127.0.0.1:0");
    emit address->editingFinished();
    EXPECT_NE(endpointState->text(), "Off");
    program.shutdown();
}

} // namespace
} // namespace cdx
