#include "platform/linux/UnixLocalMessaging.h"

#include <array>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include "TemporaryDirectory.h"

namespace cdx {
namespace {

class LocalMessagingTest : public ::testing::Test {
protected:
    std::string folder() const { return m_root.path() + "/run/caldrix"; }

    void SetUp() override { ASSERT_EQ(::mkdir((m_root.path() + "/run").c_str(), 0700), 0); }

    // Sends raw bytes to the endpoint's socket, as another program might.
    bool sendRaw(const std::string& name, const std::string& bytes)
    {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const std::string path = folder() + "/" + name;
        std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
        const int fd = ::socket(AF_UNIX, SOCK_DGRAM, 0);
        const ssize_t sent =
            ::sendto(fd, bytes.data(), bytes.size(), 0, reinterpret_cast<sockaddr*>(&address), sizeof address);
        ::close(fd);
        return sent == static_cast<ssize_t>(bytes.size());
    }

    test::TemporaryDirectory m_root;
    std::ostringstream m_notices;
    UnixLocalMessaging m_bus{folder(), m_notices};
};

TEST_F(LocalMessagingTest, OneHolderPerNameAndMessagesReachIt)
{
    std::vector<LocalMessage> received;
    auto first = m_bus.claim("Caldrix", [&](const LocalMessage& m) { received.push_back(m); });
    ASSERT_TRUE(first.endpoint) << first.error;

    // A second claim (a second program start) finds the name held.
    UnixLocalMessaging other(folder(), m_notices);
    auto second = other.claim("Caldrix", {});
    EXPECT_FALSE(second.endpoint);
    EXPECT_TRUE(second.heldElsewhere);
    EXPECT_TRUE(second.error.empty());

    const LocalMessage bringForward{0x8000 + 401, 0xFFFFFFFFFFFFFFFFull, -2};
    EXPECT_TRUE(other.send("Caldrix", bringForward));
    EXPECT_TRUE(other.send("Caldrix", {7, 0, 0}));
    EXPECT_FALSE(other.send("CPUIdle", {7, 0, 0})) << "nobody holds that name";
    first.endpoint->receivePending();
    ASSERT_EQ(received.size(), 2u);
    EXPECT_EQ(received[0], bringForward);
    EXPECT_EQ(received[1].message, 7u);

    // The folder is closed to other users.
    struct stat info {};
    ASSERT_EQ(::stat(folder().c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);

    // Given up, the name is free and messages no longer arrive.
    first.endpoint.reset();
    EXPECT_FALSE(other.send("Caldrix", {7, 0, 0}));
    auto again = other.claim("Caldrix", {});
    EXPECT_TRUE(again.endpoint) << again.error;
}

TEST_F(LocalMessagingTest, AHolderThatCrashedDoesNotBlockTheNextClaim)
{
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::ostringstream quiet;
        UnixLocalMessaging bus(folder(), quiet);
        auto claim = bus.claim("Caldrix", {});
        // Ends without giving the name up: the socket file stays behind.
        ::_exit(claim.endpoint ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    struct stat info {};
    ASSERT_EQ(::lstat((folder() + "/Caldrix").c_str(), &info), 0) << "the crashed holder's socket is left";

    EXPECT_FALSE(m_bus.send("Caldrix", {1, 0, 0})) << "a stale socket has no holder";
    std::vector<LocalMessage> received;
    auto claim = m_bus.claim("Caldrix", [&](const LocalMessage& m) { received.push_back(m); });
    ASSERT_TRUE(claim.endpoint) << claim.error;
    EXPECT_TRUE(m_bus.send("Caldrix", {1, 2, 3}));
    claim.endpoint->receivePending();
    EXPECT_EQ(received, (std::vector<LocalMessage>{{1, 2, 3}}));
}

TEST_F(LocalMessagingTest, MalformedMessagesAreDroppedAndReported)
{
    std::vector<LocalMessage> received;
    auto claim = m_bus.claim("Caldrix", [&](const LocalMessage& m) { received.push_back(m); });
    ASSERT_TRUE(claim.endpoint) << claim.error;

    EXPECT_TRUE(sendRaw("Caldrix", "hello"));
    EXPECT_TRUE(sendRaw("Caldrix", std::string(4096, 'x')));
    EXPECT_TRUE(sendRaw("Caldrix", std::string("XXXX") + std::string(20, '\0')));
    EXPECT_TRUE(m_bus.send("Caldrix", {5, 6, 7}));
    claim.endpoint->receivePending();

    EXPECT_EQ(received, (std::vector<LocalMessage>{{5, 6, 7}})) << "good messages still arrive after bad ones";
    const std::string notices = m_notices.str();
    EXPECT_NE(notices.find("5 bytes long"), std::string::npos) << notices;
    EXPECT_NE(notices.find("4096 bytes long"), std::string::npos) << notices;
    EXPECT_NE(notices.find("message mark"), std::string::npos) << notices;
}

TEST_F(LocalMessagingTest, UnsafeFoldersAndNamesAreRefused)
{
    // A folder left open to others is closed before use.
    ASSERT_EQ(::mkdir(folder().c_str(), 0777), 0);
    ::chmod(folder().c_str(), 0777);
    auto claim = m_bus.claim("Caldrix", {});
    ASSERT_TRUE(claim.endpoint) << claim.error;
    struct stat info {};
    ASSERT_EQ(::stat(folder().c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);

    for (const char* name : {"", "../Caldrix", "a/b", ".hidden"}) {
        auto refused = m_bus.claim(name, {});
        EXPECT_FALSE(refused.endpoint) << name;
        EXPECT_FALSE(refused.heldElsewhere) << name;
        EXPECT_FALSE(refused.error.empty()) << name;
    }

    // A file where the folder should be: the claim fails with the reason, and
    // is not taken for another holder.
    const std::string notFolder = m_root.path() + "/run/plain";
    test::writeWholeFile(notFolder, "x");
    UnixLocalMessaging misplaced(notFolder, m_notices);
    auto failed = misplaced.claim("Caldrix", {});
    EXPECT_FALSE(failed.endpoint);
    EXPECT_FALSE(failed.heldElsewhere);
    EXPECT_NE(failed.error.find("not a folder"), std::string::npos) << failed.error;
}

} // namespace
} // namespace cdx
