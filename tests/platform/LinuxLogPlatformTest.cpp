#include <chrono>
#include <filesystem>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "ChildProcess.h"
#include "TemporaryDirectory.h"
#include "WaitUntil.h"
#include "platform/fake/FakeClock.h"
#include "platform/linux/FreedesktopTrash.h"
#include "platform/linux/LinuxFileLockProbe.h"
#include "platform/linux/LinuxShell.h"

namespace cdx {
namespace {

namespace fs = std::filesystem;

using test::readWholeFile;
using test::TemporaryDirectory;
using test::writeWholeFile;

// Another process holding a lock on `path` until destroyed.
class LockHolder {
public:
    LockHolder(const std::string& path, bool useFlock)
    {
        int ready[2];
        EXPECT_EQ(::pipe(ready), 0);
        EXPECT_EQ(::pipe(m_release), 0);
        m_child = test::startChild([&] {
            const int fd = ::open(path.c_str(), O_RDWR);
            if (useFlock) {
                ::flock(fd, LOCK_EX);
            } else {
                struct flock lock {};
                lock.l_type = F_WRLCK;
                lock.l_whence = SEEK_SET;
                ::fcntl(fd, F_SETLK, &lock);
            }
            char c = 1;
            (void)!::write(ready[1], &c, 1);
            (void)!::read(m_release[0], &c, 1);
            return 0;
        });
        char c = 0;
        EXPECT_EQ(::read(ready[0], &c, 1), 1);
        ::close(ready[0]);
        ::close(ready[1]);
    }
    ~LockHolder()
    {
        char c = 1;
        (void)!::write(m_release[1], &c, 1);
        test::waitForChild(m_child);
        ::close(m_release[0]);
        ::close(m_release[1]);
    }

private:
    pid_t m_child = -1;
    int m_release[2] = {-1, -1};
};

TEST(LinuxFileLockProbeTest, SeesRecordLocksBsdLocksAndOfficeLockFiles)
{
    TemporaryDirectory folder;
    const std::string path = folder.file("cdxlog.csv");
    writeWholeFile(path, "Date;Time\r\n");
    LinuxFileLockProbe probe;
    EXPECT_FALSE(probe.isLocked(path));
    EXPECT_FALSE(probe.isLocked(folder.file("missing.csv")));
    {
        LockHolder holder(path, false);
        EXPECT_TRUE(probe.isLocked(path));
    }
    {
        LockHolder holder(path, true);
        EXPECT_TRUE(probe.isLocked(path));
    }
    EXPECT_FALSE(probe.isLocked(path));
    EXPECT_EQ(LinuxFileLockProbe::officeLockFile(path), folder.file(".~lock.cdxlog.csv#"));
    writeWholeFile(folder.file(".~lock.cdxlog.csv#"), "user,host");
    EXPECT_TRUE(probe.isLocked(path));
    EXPECT_FALSE(probe.isLocked(folder.file("cdxlog.txt")));
}

TEST(FreedesktopTrashTest, MovesFileAndRecordsWhereFromAndWhen)
{
    TemporaryDirectory folder;
    FakeClock clock;
    clock.setNow({2026, 3, 4, 5, 6, 7, 0});
    FreedesktopTrash trash(folder.file("Trash"), clock);
    const std::string log = folder.file("my logs/cdxlog.txt");
    fs::create_directories(folder.file("my logs"));
    writeWholeFile(log, "first");

    ASSERT_TRUE(trash.moveToTrash(log));
    EXPECT_FALSE(fs::exists(log));
    EXPECT_EQ(readWholeFile(folder.file("Trash/files/cdxlog.txt")), "first");
    EXPECT_EQ(readWholeFile(folder.file("Trash/info/cdxlog.txt.trashinfo")),
              "[Trash Info]\nPath=" + FreedesktopTrash::escapePath(log) + "\nDeletionDate=2026-03-04T05:06:07\n");
    EXPECT_NE(FreedesktopTrash::escapePath(log).find("/my%20logs/cdxlog.txt"), std::string::npos);

    writeWholeFile(log, "second");
    ASSERT_TRUE(trash.moveToTrash(log));
    EXPECT_EQ(readWholeFile(folder.file("Trash/files/cdxlog.txt.2")), "second");
    EXPECT_TRUE(fs::exists(folder.file("Trash/info/cdxlog.txt.2.trashinfo")));

    EXPECT_FALSE(trash.moveToTrash(log));
}

TEST(FreedesktopTrashTest, ATrashOrFilesFolderThatIsALinkIsNotUsed)
{
    TemporaryDirectory folder;
    FakeClock clock;
    const std::string log = folder.file("cdxlog.txt");
    fs::create_directories(folder.file("shared"));
    fs::permissions(folder.file("shared"), fs::perms::all | fs::perms::sticky_bit);
    fs::create_directory_symlink(folder.file("shared"), folder.file("Trash"));
    writeWholeFile(log, "kept");

    FreedesktopTrash linkedTrash(folder.file("Trash"), clock);
    EXPECT_FALSE(linkedTrash.moveToTrash(log));
    EXPECT_EQ(fs::status(folder.file("shared")).permissions(), fs::perms::all | fs::perms::sticky_bit)
        << "the folder the link leads to keeps its mode";
    EXPECT_TRUE(fs::is_empty(folder.file("shared")));

    // A real trash can whose files folder leads elsewhere.
    fs::create_directories(folder.file("Trash2"));
    fs::create_directory_symlink(folder.file("shared"), folder.file("Trash2/files"));
    FreedesktopTrash linkedFiles(folder.file("Trash2"), clock);
    EXPECT_FALSE(linkedFiles.moveToTrash(log));
    EXPECT_EQ(readWholeFile(log), "kept");
    EXPECT_TRUE(fs::is_empty(folder.file("shared")));
}

TEST(LinuxShellTest, OpensDocumentsWithTheOpenerAndRunsProgramsDirectly)
{
    TemporaryDirectory folder;
    // A name a command interpreter would split, quote and run parts of.
    const std::string opener = folder.file("opener; touch injected 'quoted' \"double\" $(touch sub).sh");
    const std::string record = folder.file("record");
    writeWholeFile(opener,
                   "#!/bin/sh\nprintf '%s|' \"$@\" > '" + record + ".tmp'\nmv '" + record + ".tmp' '" + record + "'\n");
    fs::permissions(opener, fs::perms::owner_all);
    LinuxShell shell(opener);

    const auto waitForRecord = [&] {
        EXPECT_TRUE(test::waitUntil([&] { return fs::exists(record); }, std::chrono::seconds(5)));
        const std::string text = readWholeFile(record);
        fs::remove(record);
        return text;
    };

    ASSERT_TRUE(shell.execute(folder.file("cdx log.htm"), {}, "", ShowCommand::ShowMaximized));
    EXPECT_EQ(waitForRecord(), folder.file("cdx log.htm") + "|");

    // A program gets its arguments as they are, with no interpreter between,
    // started in the folder given.
    ASSERT_TRUE(shell.execute(opener, {"a b", "$HOME;x"}, folder.file(""), ShowCommand::Show));
    EXPECT_EQ(waitForRecord(), "a b|$HOME;x|");
    EXPECT_FALSE(fs::exists(folder.file("injected"))); // where an interpreter would have made them
    EXPECT_FALSE(fs::exists(folder.file("sub")));

    LinuxShell missing(folder.file("no-such-opener"));
    EXPECT_FALSE(missing.execute(folder.file("x.txt"), {}, "", ShowCommand::Show));
}

} // namespace
} // namespace cdx
