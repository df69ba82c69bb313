#include <algorithm>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "FileSizeLimit.h"
#include "TemporaryDirectory.h"
#include "platform/linux/LinuxStateFile.h"

namespace cdx {
namespace {

namespace fs = std::filesystem;

using test::namesIn;

TEST(LinuxStateFileTest, WritesReplaceTheFileWholeInAPrivateFolderItMakes)
{
    test::TemporaryDirectory root;
    const std::string folder = root.path() + "/state/caldrix";
    LinuxStateFile file(folder, "history", 1000);
    EXPECT_EQ(file.read(), std::nullopt); // neither folder nor file yet
    file.write("first");
    file.write("second");
    EXPECT_EQ(file.read(), "second");
    EXPECT_EQ(namesIn(folder), std::vector<std::string>{"history"}); // no temporary left
    EXPECT_EQ(test::modeOf(folder), 0700);
    EXPECT_EQ(test::modeOf(file.path()), 0600);

    test::writeWholeFile(file.path(), std::string(1001, 'x'));
    EXPECT_THROW(file.read(), StateFile::Error); // larger than any it writes
    const std::string aside = file.setAside();
    EXPECT_EQ(aside.rfind(file.path() + ".corrupt-", 0), 0U);
    EXPECT_EQ(file.read(), std::nullopt);
    EXPECT_EQ(test::readWholeFile(aside).size(), 1001U);

    // Removed: the folder stays while the set-aside file lies in it.
    file.write("last");
    file.remove();
    EXPECT_EQ(file.read(), std::nullopt);
    EXPECT_TRUE(fs::is_directory(folder));
    fs::remove(aside);
    file.remove();
    EXPECT_FALSE(fs::exists(folder));
}

TEST(LinuxStateFileTest, LinksAndFoldersOthersMayWriteAreNotTrusted)
{
    test::TemporaryDirectory root;
    test::writeWholeFile(root.file("elsewhere"), "secret");
    const std::string folder = root.path() + "/caldrix";
    ::mkdir(folder.c_str(), 0700);
    LinuxStateFile file(folder, "history", 1000);
    ASSERT_EQ(::symlink(root.file("elsewhere").c_str(), file.path().c_str()), 0);
    EXPECT_THROW(file.read(), StateFile::Error);
    file.write("new"); // replaces the link itself, never what it points at
    EXPECT_EQ(test::readWholeFile(root.file("elsewhere")), "secret");
    EXPECT_FALSE(fs::is_symlink(file.path()));

    ::chmod(folder.c_str(), 0777);
    EXPECT_THROW(file.read(), StateFile::Error);
    EXPECT_THROW(file.write("x"), StateFile::Error);
    ::chmod(folder.c_str(), 0700);

    const std::string linked = root.path() + "/linked";
    ASSERT_EQ(::symlink(folder.c_str(), linked.c_str()), 0);
    LinuxStateFile throughLink(linked, "history", 1000);
    EXPECT_THROW(throughLink.read(), StateFile::Error);
    EXPECT_THROW(throughLink.write("x"), StateFile::Error);
    EXPECT_EQ(test::readWholeFile(file.path()), "new");
}

TEST(LinuxStateFileTest, AWriteThatDoesNotFitLeavesTheOldFileAndNoTemporary)
{
    test::TemporaryDirectory root;
    LinuxStateFile file(root.path(), "history", 1 << 20);
    file.write("old");
    {
        test::FileSizeLimit limit(4096);
        EXPECT_THROW(file.write(std::string(10000, 'x')), StateFile::Error);
    }
    EXPECT_EQ(file.read(), "old");
    EXPECT_EQ(namesIn(root.path()), std::vector<std::string>{"history"});
}

} // namespace
} // namespace cdx
