#include <string>

#include <gtest/gtest.h>

#include "FileSizeLimit.h"
#include "TemporaryDirectory.h"
#include "logs/LogFileAppender.h"
#include "logs/LogFileError.h"
#include "platform/fake/FakeFileLockProbe.h"
#include "platform/linux/LinuxFileOpener.h"

namespace cdx {
namespace {

using test::FileSizeLimit;
using test::readWholeFile;

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
    const std::string before = readWholeFile(path);

    const std::string entry = "<tr><td>" + std::string(400, 'x') + "</td></tr>\r\n" + trailer;
    {
        FileSizeLimit limit(before.size() + 64);
        EXPECT_THROW(files.append(path, entry), LogFileError);
    }
    EXPECT_EQ(readWholeFile(path), before);

    // With room again the entry lands before the trailer.
    files.append(path, entry);
    const std::string after = readWholeFile(path);
    EXPECT_EQ(after.substr(0, before.size() - trailer.size()), before.substr(0, before.size() - trailer.size()));
    EXPECT_EQ(after.substr(after.size() - trailer.size()), trailer);
}

} // namespace
} // namespace cdx
