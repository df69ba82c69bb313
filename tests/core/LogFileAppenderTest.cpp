#include "logs/LogFileAppender.h"

#include <filesystem>
#include <functional>

#include <gtest/gtest.h>

#include "LogTestFiles.h"
#include "logs/LogFileError.h"
#include "logs/LogFileMeter.h"
#include "platform/fake/FakeFileLockProbe.h"
#include "platform/fake/FakeFileOpener.h"

namespace cdx {
namespace {

using test::readFile;
using test::writeFile;

class LogFileAppenderTest : public ::testing::Test {
protected:
    test::TempFolder m_folder;
    FakeFileLockProbe m_locks;
    FakeFileOpener m_opener;
    LogFileAppender m_files{m_locks, m_opener};
    std::string m_path = m_folder.file("log.htm");
};

TEST_F(LogFileAppenderTest, RowReplacesTrailerAndFileKeepsExactlyOneTrailer)
{
    writeFile(m_path, "<html>\r\n<tr><td>h</td></tr>\x1a</tr></table>\r\n");
    for (int i = 0; i < 50; ++i) {
        m_files.append(m_path, "<tr><td>" + std::to_string(i) + "</td>\x1a</tr></table>\r\n");
    }
    const std::string content = readFile(m_path);
    EXPECT_EQ(content.find('\x1a'), content.rfind('\x1a'));
    EXPECT_EQ(content.substr(0, 40), "<html>\r\n<tr><td>h</td></tr><tr><td>0</td");
    EXPECT_TRUE(content.ends_with("<tr><td>48</td><tr><td>49</td>\x1a</tr></table>\r\n"));
}

TEST_F(LogFileAppenderTest, CutsAtFirstByte26OfTheLast128BytesElseAppendsAtTheEnd)
{
    // Without byte 26 the text goes at the end.
    writeFile(m_path, "abc\r\n");
    m_files.append(m_path, "def\r\n");
    EXPECT_EQ(readFile(m_path), "abc\r\ndef\r\n");
    writeFile(m_path, "");
    m_files.append(m_path, "x");
    EXPECT_EQ(readFile(m_path), "x");

    // Short file: the whole file is the tail.
    writeFile(m_path, "\x1a"
                      "abc");
    m_files.append(m_path, "new");
    EXPECT_EQ(readFile(m_path), "new");

    // Two marks in the tail: the first one wins.
    writeFile(m_path, "start-" + std::string(50, 'a') +
                          "\x1a"
                          "middle\x1a"
                          "end");
    m_files.append(m_path, "X");
    EXPECT_EQ(readFile(m_path), "start-" + std::string(50, 'a') + "X");

    // Exactly at the first byte of the tail.
    const std::string head(200, 'h');
    writeFile(m_path, head + "\x1a" + std::string(127, 't'));
    m_files.append(m_path, "Y");
    EXPECT_EQ(readFile(m_path), head + "Y");

    // One byte before the tail: out of reach, so the text goes at the end.
    const std::string before = head + "\x1a" + std::string(128, 't');
    writeFile(m_path, before);
    m_files.append(m_path, "Z");
    EXPECT_EQ(readFile(m_path), before + "Z");
}

TEST_F(LogFileAppenderTest, MissingOrLockedFileIsAnErrorThatChangesNothing)
{
    try {
        m_files.append(m_folder.file("cdxlog.txt"), "x");
        ADD_FAILURE() << "a missing file was appended to";
    } catch (const LogFileError& e) {
        EXPECT_NE(std::string(e.what()).find("cdxlog.txt"), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find("does not exist"), std::string::npos) << e.what();
    }
    EXPECT_FALSE(std::filesystem::exists(m_folder.file("cdxlog.txt")));

    writeFile(m_path, "keep\x1a");
    m_locks.lock(m_path);
    EXPECT_THROW(m_files.append(m_path, "x"), LogFileError);
    EXPECT_THROW(m_files.create(m_path, "x"), LogFileError);
    EXPECT_THROW(LogFileMeter(m_locks, m_opener).measure(m_path), LogFileError);
    EXPECT_EQ(readFile(m_path), "keep\x1a");
}

TEST_F(LogFileAppenderTest, ALinkIsNeverWrittenThroughNorFollowedOnCreate)
{
    // A link in place of a log, pointing at another file of the user's.
    const std::string target = m_folder.file("elsewhere.txt");
    writeFile(target, "precious\x1a");
    std::filesystem::create_symlink(target, m_path);
    for (const auto& write : {std::function<void()>([&] { m_files.append(m_path, "row"); }),
                              std::function<void()>([&] { m_files.create(m_path, "header"); }),
                              std::function<void()>([&] { LogFileMeter(m_locks, m_opener).measure(m_path); })}) {
        try {
            write();
            ADD_FAILURE() << "written through a link";
        } catch (const LogFileError& e) {
            EXPECT_NE(std::string(e.what()).find("symbolic link"), std::string::npos) << e.what();
            EXPECT_NE(std::string(e.what()).find(m_path), std::string::npos) << e.what();
        }
    }
    EXPECT_EQ(readFile(target), "precious\x1a");

    // A dangling link does not get its target made.
    const std::string dangling = m_folder.file("cdxwarnlog.txt");
    const std::string missing = m_folder.file("made-elsewhere.txt");
    std::filesystem::create_symlink(missing, dangling);
    EXPECT_THROW(m_files.create(dangling, "x"), LogFileError);
    EXPECT_THROW(m_files.append(dangling, "x"), LogFileError);
    EXPECT_FALSE(std::filesystem::exists(missing));
}

} // namespace
} // namespace cdx
