#include <csignal>
#include <fstream>
#include <iterator>
#include <string>

#include <sys/resource.h>

#include <gtest/gtest.h>

#include "TemporaryDirectory.h"
#include "logs/LogFileAppender.h"
#include "logs/LogFileError.h"
#include "platform/fake/FakeFileLockProbe.h"
#include "platform/linux/LinuxFileOpener.h"

namespace cdx {
namespace {

std::string contentOf(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// A file-size limit makes writes past it fail the way a full disk does.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &m_saved);
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_handler);
    }

private:
    rlimit m_saved{};
    void (*m_handler)(int) = nullptr;
};

TEST(LogFullDiskTest, AFailedAppendLeavesTheLogAsItWas)
{
    test::TemporaryDirectory folder;
    const std::string path = folder.path() + "/cdxlog.htm";
    FakeFileLockProbe locks;
    LinuxFileOpener opener;
    LogFileAppender files(locks, opener);
    const std::string header = "<html>\r\n<body>\r\n<table>\r\n";
    const std::string trailer = "</table>\r\n</body>\r\n</html>\r\n\x1a";
    files.create(path, header + "<tr><td>first</td></tr>\r\n" + trailer);
    const std::string before = contentOf(path);

    const std::string entry = "<tr><td>" + std::string(400, 'x') + "</td></tr>\r\n" + trailer;
    {
        FileSizeLimit limit(before.size() + 64);
        EXPECT_THROW(files.append(path, entry), LogFileError);
    }
    EXPECT_EQ(contentOf(path), before);

    // With room again the entry lands before the trailer.
    files.append(path, entry);
    const std::string after = contentOf(path);
    EXPECT_EQ(after.substr(0, before.size() - trailer.size()), before.substr(0, before.size() - trailer.size()));
    EXPECT_EQ(after.substr(after.size() - trailer.size()), trailer);
}

} // namespace
} // namespace cdx
