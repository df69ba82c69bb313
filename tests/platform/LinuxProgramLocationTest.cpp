#include "platform/linux/LinuxProgramLocation.h"

#include <filesystem>

#include <gtest/gtest.h>

#include "TemporaryDirectory.h"
#include "platform/linux/XdgDirectories.h"

namespace cdx {
namespace {

TEST(LinuxProgramLocationTest, TheExecutablesFolderWhenWritableAndNoSystemFolderElseTheDataFolder)
{
    test::TemporaryDirectory folder;
    const LinuxProgramLocation beside(folder.file("caldrix"), folder.file("data/caldrix"));
    EXPECT_EQ(beside.programDirectory(), folder.path());
    EXPECT_EQ(beside.executablePath(), folder.file("caldrix"));
    EXPECT_FALSE(std::filesystem::exists(folder.file("data")));

    const LinuxProgramLocation installed("/nonexistent-caldrix-prefix/bin/caldrix", folder.file("data/caldrix/"));
    EXPECT_EQ(installed.programDirectory(), folder.file("data/caldrix"));
    EXPECT_TRUE(std::filesystem::is_directory(folder.file("data/caldrix"))) << "created on demand";
    EXPECT_EQ(installed.shortPathName("/a b/c d.exe"), "/a b/c d.exe");

    // Installed in a system folder it never writes beside itself, even for
    // root, who may write there: the logs would outlive the package.
    for (const char* executable : {"/usr/bin/caldrix", "/usr/local/bin/caldrix", "/opt/caldrix/bin/caldrix"}) {
        const LinuxProgramLocation packaged(executable, folder.file("data/caldrix"));
        EXPECT_EQ(packaged.programDirectory(), folder.file("data/caldrix")) << executable;
    }
}

TEST(LinuxProgramLocationTest, TheRunningExecutableIsFound)
{
    const std::string path = LinuxProgramLocation::runningExecutable();
    EXPECT_EQ(std::filesystem::path(path).filename(), "caldrix_platform_tests");
    EXPECT_TRUE(std::filesystem::path(path).is_absolute());
}

TEST(XdgDirectoriesTest, VariablesWinWhenAbsoluteElseTheDefaultsBelowHome)
{
    const XdgDirectories set([](const char* name) -> std::optional<std::string> {
        const std::string n = name;
        if (n == "HOME") {
            return "/home/u";
        }
        if (n == "XDG_CONFIG_HOME") {
            return "/cfg";
        }
        if (n == "XDG_DATA_HOME") {
            return "relative/data"; // not absolute: ignored
        }
        return std::nullopt;
    });
    EXPECT_EQ(set.configHome(), "/cfg");
    EXPECT_EQ(set.dataHome(), "/home/u/.local/share");

    const XdgDirectories unset([](const char* name) -> std::optional<std::string> {
        return std::string(name) == "HOME" ? std::optional<std::string>("/home/u/") : std::nullopt;
    });
    EXPECT_EQ(unset.configHome(), "/home/u/.config");
    const XdgDirectories noHome([](const char*) -> std::optional<std::string> { return std::nullopt; });
    EXPECT_FALSE(noHome.home().empty()) << "the account's home folder stands in";
}

} // namespace
} // namespace cdx
