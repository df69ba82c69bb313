#include "platform/linux/XdgAutostartEntry.h"

#include <cstdlib>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "TemporaryDirectory.h"

namespace cdx {
namespace {

namespace fs = std::filesystem;
using test::readWholeFile;

TEST(XdgAutostartEntryTest, InstallWritesADesktopEntryAndRemoveDeletesIt)
{
    test::TemporaryDirectory root;
    XdgAutostartEntry entry(root.file("config/autostart"));
    EXPECT_FALSE(entry.installed());
    entry.install("/opt/caldrix/bin/caldrix");
    ASSERT_TRUE(entry.installed());
    EXPECT_EQ(entry.filePath(), root.file("config/autostart/caldrix.desktop"));
    const std::string text = readWholeFile(entry.filePath());
    EXPECT_EQ(text.rfind("[Desktop Entry]\n", 0), 0u);
    EXPECT_NE(text.find("\nType=Application\n"), std::string::npos);
    EXPECT_NE(text.find("\nExec=\"/opt/caldrix/bin/caldrix\"\n"), std::string::npos);
    EXPECT_FALSE(fs::exists(entry.filePath() + ".new"));

    entry.install("/elsewhere/caldrix");
    EXPECT_NE(readWholeFile(entry.filePath()).find("\nExec=\"/elsewhere/caldrix\"\n"), std::string::npos);

    entry.remove();
    EXPECT_FALSE(entry.installed());
    EXPECT_NO_THROW(entry.remove());
}

TEST(XdgAutostartEntryTest, ExecQuotesThePathAndBadPathsOrFoldersRaiseAnError)
{
    const std::string text = XdgAutostartEntry::desktopFileText("/my apps/a\"b$c`d\\e%f");
    EXPECT_NE(text.find("\nExec=\"/my apps/a\\\\\"b\\\\$c\\\\`d\\\\\\\\e%%f\"\n"), std::string::npos) << text;
    EXPECT_THROW(XdgAutostartEntry::desktopFileText(""), AutostartError);
    EXPECT_THROW(XdgAutostartEntry::desktopFileText("/a\nExec=evil"), AutostartError);

    test::TemporaryDirectory root;
    test::writeWholeFile(root.file("file"), "x");
    XdgAutostartEntry entry(root.file("file/autostart"));
    EXPECT_THROW(entry.install("/opt/caldrix"), AutostartError);
    EXPECT_FALSE(entry.installed());
    XdgAutostartEntry none("");
    EXPECT_THROW(none.install("/opt/caldrix"), AutostartError);
}

TEST(XdgAutostartEntryTest, DefaultFolderFollowsXdgConfigHome)
{
    const char* saved = std::getenv("XDG_CONFIG_HOME");
    const std::string savedValue = saved ? saved : "";
    ::setenv("XDG_CONFIG_HOME", "/tmp/cfg", 1);
    EXPECT_EQ(XdgAutostartEntry::defaultDirectory(), "/tmp/cfg/autostart");
    ::setenv("XDG_CONFIG_HOME", "", 1);
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] == '/') {
        EXPECT_EQ(XdgAutostartEntry::defaultDirectory(), std::string(home) + "/.config/autostart");
    }
    if (saved) {
        ::setenv("XDG_CONFIG_HOME", savedValue.c_str(), 1);
    } else {
        ::unsetenv("XDG_CONFIG_HOME");
    }
}

} // namespace
} // namespace cdx
