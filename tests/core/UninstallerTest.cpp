#include "lifecycle/Uninstaller.h"

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "LogTestFiles.h"
#include "lifecycle/HelpLinks.h"
#include "platform/fake/FakeAutostartEntry.h"
#include "platform/fake/FakeProgramLocation.h"
#include "platform/fake/FakeRegistry.h"
#include "platform/fake/FakeShell.h"
#include "settings/ProductInfo.h"

namespace cdx {
namespace {

namespace fs = std::filesystem;

constexpr const char* kRun = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr std::string_view kUninstall = Uninstaller::kUninstallKeyPath;
const std::vector<std::string> kLogs{"cdxlog.txt",     "cdxlog.htm", "cdxlog.csv", "cdxwarnlog.txt",
                                     "cdxwarnlog.htm", "updown.txt", "updown.htm"};

class RecordedProgress : public Uninstaller::Progress {
public:
    void stepDone(Uninstaller::Step step) override { events.push_back("step " + std::to_string(int(step))); }
    void pause(int milliseconds) override { events.push_back("pause " + std::to_string(milliseconds)); }
    std::vector<std::string> events;
};

class UninstallerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_registry.setValue(RootKey::CurrentUser, "Software\\Caldrix", "Interval", RegistryValue::fromDword(5000));
        m_registry.setValue(RootKey::CurrentUser, "Software\\Caldrix\\Names", "Fan1", RegistryValue::fromString("x"));
        m_registry.setValue(RootKey::LocalMachine, kRun, "Caldrix", RegistryValue::fromString("/opt/caldrix"));
        m_registry.setValue(RootKey::LocalMachine, kRun, "Other", RegistryValue::fromString("/bin/other"));
        m_autostart.install("/opt/caldrix");
        for (const std::string& log : kLogs) {
            test::writeFile(m_folder.file(log), "log");
        }
        test::writeFile(m_folder.file("notes.txt"), "mine");
    }

    void setUninstallString(const std::string& text)
    {
        m_registry.setValue(RootKey::LocalMachine, kUninstall, "UninstallString", RegistryValue::fromString(text));
    }

    test::TempFolder m_folder;
    FakeRegistry m_registry;
    FakeAutostartEntry m_autostart;
    FakeProgramLocation m_location{m_folder.path()};
    FakeShell m_shell;
    RecordedProgress m_progress;
    Uninstaller m_uninstaller{m_registry, m_autostart, m_location, m_shell};
};

TEST_F(UninstallerTest, RemovesEverythingOfTheProgramAndStartsTheUninstaller)
{
    setUninstallString("/opt/caldrix/uninstall --quiet \"a b\"");
    EXPECT_TRUE(m_uninstaller.run(m_progress));

    EXPECT_FALSE(m_registry.hasKey(RootKey::CurrentUser, "Software\\Caldrix"));
    EXPECT_FALSE(m_registry.hasKey(RootKey::CurrentUser, "Software\\Caldrix\\Names"));
    EXPECT_EQ(m_registry.value(RootKey::LocalMachine, kRun, "Caldrix"), nullptr);
    EXPECT_NE(m_registry.value(RootKey::LocalMachine, kRun, "Other"), nullptr) << "other programs keep theirs";
    EXPECT_FALSE(m_autostart.installed());
    for (const std::string& log : kLogs) {
        EXPECT_FALSE(fs::exists(m_folder.file(log))) << log;
    }
    EXPECT_TRUE(fs::exists(m_folder.file("notes.txt"))) << "only the program's own files go";

    ASSERT_EQ(m_shell.requests().size(), 1u);
    const auto& request = m_shell.requests()[0];
    EXPECT_EQ(request.file, "/opt/caldrix/uninstall");
    EXPECT_EQ(request.arguments, (std::vector<std::string>{"--quiet", "a b"}));
    EXPECT_FALSE(m_registry.hasKey(RootKey::LocalMachine, kUninstall)) << "the registration goes with the program";

    EXPECT_EQ(m_progress.events, (std::vector<std::string>{"step 0", "pause 1000", "step 1", "pause 1000", "step 2",
                                                           "pause 1000", "pause 1000", "step 3", "pause 1000"}));
}

TEST_F(UninstallerTest, CommandLinesSplitIntoProgramAndArguments)
{
    using Command = Uninstaller::Command;
    EXPECT_EQ(Uninstaller::splitCommand("/usr/lib/caldrix/uninstall"), (Command{"/usr/lib/caldrix/uninstall", {}}))
        << "without a blank the whole text is the program";
    EXPECT_EQ(Uninstaller::splitCommand("  /u/x   -y  -z "), (Command{"/u/x", {"-y", "-z"}}));
    EXPECT_EQ(Uninstaller::splitCommand("\"/home/a b/uninstall\" -y"), (Command{"/home/a b/uninstall", {"-y"}}));
    EXPECT_EQ(Uninstaller::splitCommand("/home/a b/uninstall"), (Command{"/home/a", {"b/uninstall"}}))
        << "an unquoted blank ends the program";
    EXPECT_EQ(Uninstaller::splitCommand(""), (Command{}));
    EXPECT_EQ(Uninstaller::splitCommand("\"/unclosed"), (Command{"/unclosed", {}}));

    // The installed uninstaller registers once, quoted.
    EXPECT_TRUE(Uninstaller::registerUninstaller(m_registry, "/opt/cal drix/uninstall"));
    EXPECT_EQ(m_registry.value(RootKey::LocalMachine, kUninstall, "UninstallString")->text,
              "\"/opt/cal drix/uninstall\"");
    EXPECT_EQ(Uninstaller::splitCommand("\"/opt/cal drix/uninstall\"").program, "/opt/cal drix/uninstall");
    EXPECT_FALSE(Uninstaller::registerUninstaller(m_registry, "/elsewhere/uninstall")) << "an existing one stays";
    EXPECT_EQ(m_registry.value(RootKey::LocalMachine, kUninstall, "UninstallString")->text,
              "\"/opt/cal drix/uninstall\"");
}

TEST_F(UninstallerTest, NothingToStartStillRemovesEverything)
{
    // No uninstall key at all: nothing starts and no key is left behind.
    EXPECT_FALSE(m_uninstaller.run(m_progress));
    EXPECT_TRUE(m_shell.requests().empty());
    EXPECT_FALSE(m_registry.hasKey(RootKey::LocalMachine, kUninstall));
    EXPECT_FALSE(m_registry.hasKey(RootKey::CurrentUser, "Software\\Caldrix"));
    EXPECT_FALSE(fs::exists(m_folder.file("cdxlog.txt")));

    // A start the desktop refuses leaves the registration for another try.
    setUninstallString("/gone/uninstall");
    m_shell.setSucceeds(false);
    EXPECT_FALSE(m_uninstaller.run(m_progress));
    EXPECT_EQ(m_shell.requests().size(), 1u);
    EXPECT_TRUE(m_registry.hasKey(RootKey::LocalMachine, kUninstall));
}

TEST_F(UninstallerTest, FailingStepsDoNotStopTheOthers)
{
    m_autostart.setFailing(true);
    fs::remove(m_folder.file("cdxlog.htm"));
    fs::create_directory(m_folder.file("cdxlog.htm")); // cannot be deleted as a file
    setUninstallString("/opt/caldrix/uninstall");
    EXPECT_TRUE(m_uninstaller.run(m_progress));
    EXPECT_FALSE(fs::exists(m_folder.file("cdxlog.csv")));
    EXPECT_TRUE(fs::is_directory(m_folder.file("cdxlog.htm")));
    EXPECT_EQ(m_shell.requests().size(), 1u);
}

TEST(HelpLinksTest, HelpFindsTheManualBesideTheProgram)
{
    test::TempFolder prefix;
    fs::create_directories(prefix.path() + "/bin");
    FakeShell shell;
    HelpLinks links(shell, prefix.path() + "/bin/caldrix");
    EXPECT_FALSE(links.openHelp()) << "no manual, nothing opened";
    EXPECT_TRUE(shell.requests().empty());

    fs::create_directories(prefix.path() + "/share/caldrix/Help");
    test::writeFile(prefix.path() + "/share/caldrix/Help/Index.html", "<html></html>");
    EXPECT_TRUE(links.openHelp());
    ASSERT_EQ(shell.requests().size(), 1u);
    EXPECT_EQ(fs::path(shell.requests()[0].file), fs::canonical(prefix.path() + "/share/caldrix/Help/Index.html"));
    EXPECT_TRUE(shell.requests()[0].arguments.empty());

    links.eMailAuthor();
    links.openWebPage();
    EXPECT_EQ(shell.requests()[1].file, std::string("mailto:") + ProductInfo::kAuthorEmail + "?subject=Caldrix");
    EXPECT_EQ(shell.requests()[2].file, ProductInfo::kWebPage);
}

} // namespace
} // namespace cdx
