// The metrics textfile and the logs, opened through the Linux file opener,
// against what another user may plant where they are written.
#include <atomic>
#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "TemporaryDirectory.h"
#include "logs/LogFileAppender.h"
#include "logs/LogFileError.h"
#include "logs/LogFileMeter.h"
#include "metrics/MetricsTextfile.h"
#include "platform/fake/FakeFileLockProbe.h"
#include "platform/linux/LinuxFileOpener.h"

namespace cdx {
namespace {

namespace fs = std::filesystem;

TEST(MetricsTextfileTest, AReaderSeesTheOldTextOrTheNewNeverAPart)
{
    test::TemporaryDirectory folder;
    LinuxFileOpener files;
    MetricsTextfile file(folder.file("caldrix.prom"), files);
    // Texts large enough that writing one takes many system calls.
    const std::string first(256 * 1024, 'a');
    const std::string second(300 * 1024, 'b');
    ASSERT_TRUE(file.write(first));

    std::atomic<bool> done{false};
    std::atomic<int> reads{0};
    std::atomic<int> torn{0};
    std::thread reader([&] {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (!done && std::chrono::steady_clock::now() < deadline) {
            const std::string seen = test::readWholeFile(folder.file("caldrix.prom"));
            if (seen != first && seen != second) {
                ++torn;
            }
            ++reads;
        }
    });
    for (int i = 0; i < 200; ++i) {
        ASSERT_TRUE(file.write(i % 2 == 0 ? second : first)) << file.lastError();
    }
    done = true;
    reader.join();
    EXPECT_EQ(torn, 0) << "of " << reads << " reads";
    EXPECT_GT(reads, 0);
    EXPECT_EQ(test::namesIn(folder.path()), std::vector<std::string>{"caldrix.prom"});

    // Readable by the collector, which may run as another user.
    const int mode = test::modeOf(folder.file("caldrix.prom"));
    ASSERT_NE(mode, -1);
    EXPECT_EQ(mode & 0444, 0444 & ~static_cast<int>(::umask(::umask(0))));
}

TEST(MetricsTextfileTest, AFailedWriteKeepsTheOldFileAndSaysWhy)
{
    test::TemporaryDirectory folder;
    LinuxFileOpener files;
    MetricsTextfile missingFolder(folder.file("absent/caldrix.prom"), files);
    EXPECT_FALSE(missingFolder.write("x 1\n"));
    EXPECT_NE(missingFolder.lastError().find("absent/caldrix.prom"), std::string::npos) << missingFolder.lastError();

    // The target is a folder: the rename fails, the temporary file goes.
    fs::create_directories(folder.file("taken.prom/inside"));
    MetricsTextfile onFolder(folder.file("taken.prom"), files);
    EXPECT_FALSE(onFolder.write("x 1\n"));
    EXPECT_FALSE(onFolder.lastError().empty());
    EXPECT_TRUE(fs::is_directory(folder.file("taken.prom/inside")));
    EXPECT_EQ(test::namesIn(folder.path()), std::vector<std::string>{"taken.prom"});

    // A later write that works clears the error.
    fs::remove_all(folder.file("taken.prom"));
    EXPECT_TRUE(onFolder.write("x 1\n"));
    EXPECT_TRUE(onFolder.lastError().empty());
    EXPECT_EQ(test::readWholeFile(folder.file("taken.prom")), "x 1\n");
}

TEST(MetricsTextfileTest, ALinkOrAFifoPlantedInTheSharedFolderIsNeitherFollowedNorWaitedOn)
{
    test::TemporaryDirectory folder;
    LinuxFileOpener files;
    const std::string target = folder.file("victim");
    test::writeWholeFile(target, "precious\n");
    // Where the temporary file used to go, and the file itself.
    fs::create_symlink(target, folder.file("caldrix.prom.tmp"));
    ASSERT_EQ(::mkfifo(folder.file("other.prom.tmp").c_str(), 0600), 0);
    fs::create_symlink(target, folder.file("linked.prom"));

    MetricsTextfile file(folder.file("caldrix.prom"), files);
    ASSERT_TRUE(file.write("x 1\n")) << file.lastError();
    MetricsTextfile beside(folder.file("other.prom"), files);
    ASSERT_TRUE(beside.write("x 2\n")) << beside.lastError(); // would block in open() on the FIFO
    MetricsTextfile linked(folder.file("linked.prom"), files);
    ASSERT_TRUE(linked.write("x 3\n")) << linked.lastError();

    EXPECT_EQ(test::readWholeFile(target), "precious\n");
    EXPECT_EQ(test::readWholeFile(folder.file("caldrix.prom")), "x 1\n");
    EXPECT_FALSE(fs::is_symlink(folder.file("linked.prom"))) << "the link is replaced, not written through";
    EXPECT_EQ(test::readWholeFile(folder.file("linked.prom")), "x 3\n");
}

TEST(LinuxFileOpenerTest, LogsAreNeverOpenedThroughALinkAFifoOrAFolder)
{
    test::TemporaryDirectory folder;
    LinuxFileOpener opener;
    FakeFileLockProbe locks;
    LogFileAppender files(locks, opener);
    LogFileMeter meter(locks, opener);
    const std::string target = folder.file("elsewhere");
    test::writeWholeFile(target, "precious\x1a");
    fs::create_symlink(target, folder.file("cdxlog.txt"));
    ASSERT_EQ(::mkfifo(folder.file("cdxwarnlog.txt").c_str(), 0600), 0);
    fs::create_directory(folder.file("updown.txt"));

    for (const char* name : {"cdxlog.txt", "cdxwarnlog.txt", "updown.txt"}) {
        const std::string path = folder.file(name);
        EXPECT_THROW(files.append(path, "row"), LogFileError) << name;
        EXPECT_THROW(files.create(path, "header"), LogFileError) << name;
        EXPECT_THROW(meter.measure(path), LogFileError) << name;
    }
    try {
        files.append(folder.file("cdxlog.txt"), "row");
    } catch (const LogFileError& e) {
        EXPECT_NE(std::string(e.what()).find("symbolic link"), std::string::npos) << e.what();
    }
    EXPECT_EQ(test::readWholeFile(target), "precious\x1a");

    // The ordinary case: made exclusively, appended, emptied in place.
    const std::string log = folder.file("cdxlog.htm");
    files.create(log, "<table>\x1a</table>");
    files.append(log, "<tr>\x1a</table>");
    EXPECT_EQ(test::readWholeFile(log), "<table><tr>\x1a</table>");
    EXPECT_EQ(meter.measure(log), 20u);
    files.create(log, "new");
    EXPECT_EQ(test::readWholeFile(log), "new");
}

} // namespace
} // namespace cdx
