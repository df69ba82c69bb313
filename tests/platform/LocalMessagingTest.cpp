#include "platform/linux/UnixLocalMessaging.h"

#include <algorithm>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "ChildProcess.h"
#include "LocalDatagram.h"
#include "TemporaryDirectory.h"
#include "platform/fake/FakeClock.h"

namespace cdx {
namespace {

class LocalMessagingTest : public ::testing::Test {
protected:
    std::string folder() const { return m_root.path() + "/run/caldrix"; }

    void SetUp() override { ASSERT_EQ(::mkdir((m_root.path() + "/run").c_str(), 0700), 0); }

    // Sends raw bytes to the endpoint's socket, as another program might.
    bool sendRaw(const std::string& name, const std::string& bytes)
    {
        return test::sendDatagram(folder() + "/" + name, bytes);
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
    EXPECT_EQ(test::modeOf(folder()), 0700);

    // Given up, the name is free and messages no longer arrive.
    first.endpoint.reset();
    EXPECT_FALSE(other.send("Caldrix", {7, 0, 0}));
    auto again = other.claim("Caldrix", {});
    EXPECT_TRUE(again.endpoint) << again.error;
}

TEST_F(LocalMessagingTest, AHolderThatCrashedDoesNotBlockTheNextClaim)
{
    ASSERT_EQ(test::exitStatusInChild([&] {
                  // Ends without giving the name up, as in a crash: the socket file stays behind.
                  auto* quiet = new std::ostringstream;
                  auto* bus = new UnixLocalMessaging(folder(), *quiet);
                  return bus->claim("Caldrix", {}).endpoint.release() != nullptr ? 0 : 1;
              }),
              0);
    ASSERT_NE(test::modeOf(folder() + "/Caldrix"), -1) << "the crashed holder's socket is left";

    EXPECT_FALSE(m_bus.send("Caldrix", {1, 0, 0})) << "a stale socket has no holder";
    std::vector<LocalMessage> received;
    auto claim = m_bus.claim("Caldrix", [&](const LocalMessage& m) { received.push_back(m); });
    ASSERT_TRUE(claim.endpoint) << claim.error;
    EXPECT_TRUE(m_bus.send("Caldrix", {1, 2, 3}));
    claim.endpoint->receivePending();
    EXPECT_EQ(received, (std::vector<LocalMessage>{{1, 2, 3}}));
}

TEST_F(LocalMessagingTest, MalformedMessagesAreDroppedToldOnceAndThenOnlyCounted)
{
    FakeClock clock;
    std::ostringstream notices;
    UnixLocalMessaging bus(folder(), notices, {}, &clock);
    std::vector<LocalMessage> received;
    auto claim = bus.claim("Caldrix", [&](const LocalMessage& m) { received.push_back(m); });
    ASSERT_TRUE(claim.endpoint) << claim.error;

    EXPECT_TRUE(sendRaw("Caldrix", "hello"));
    EXPECT_TRUE(sendRaw("Caldrix", std::string(4096, 'x')));
    EXPECT_TRUE(sendRaw("Caldrix", std::string("XXXX") + std::string(20, '\0')));
    EXPECT_TRUE(bus.send("Caldrix", {5, 6, 7}));
    claim.endpoint->receivePending();
    EXPECT_EQ(received, (std::vector<LocalMessage>{{5, 6, 7}})) << "good messages still arrive after bad ones";
    EXPECT_EQ(notices.str(), "Caldrix: a message to \"Caldrix\" was dropped: it is 5 bytes long, not 24\n");

    // A flood costs a line a minute, however large.
    int sent = 0;
    for (int round = 0; round < 100000 && sent < 20000; ++round) {
        while (sent < 20000 && sendRaw("Caldrix", "bad")) { // until the queue is full
            ++sent;
        }
        claim.endpoint->receivePending();
    }
    ASSERT_EQ(sent, 20000);
    const std::string flooded = notices.str();
    EXPECT_EQ(std::count(flooded.begin(), flooded.end(), '\n'), 1) << flooded;
    clock.advanceTicks(60 * 1000);
    EXPECT_TRUE(sendRaw("Caldrix", "bad"));
    claim.endpoint->receivePending();
    EXPECT_NE(
        notices.str().find("Caldrix: " + std::to_string(sent + 3) + " more messages to \"Caldrix\" were dropped\n"),
        std::string::npos)
        << notices.str();
}

TEST_F(LocalMessagingTest, AFolderThatIsNotThisUsersOwnClosedOneIsNeverUsed)
{
    // Left open to others: anything may have been put there, so it is not
    // used, to claim or to send.
    ASSERT_EQ(::mkdir(folder().c_str(), 0700), 0);
    ::chmod(folder().c_str(), 0777);
    auto open = m_bus.claim("Caldrix", {});
    EXPECT_FALSE(open.endpoint);
    EXPECT_FALSE(open.heldElsewhere);
    EXPECT_NE(open.error.find("has the mode 0777"), std::string::npos) << open.error;
    EXPECT_FALSE(m_bus.send("Caldrix", {1, 0, 0}));
    EXPECT_NE(m_notices.str().find("no message is sent there"), std::string::npos) << m_notices.str();
    EXPECT_EQ(test::modeOf(folder()), 0777) << "left as it was found";
    ASSERT_EQ(::rmdir(folder().c_str()), 0);

    // A link to a folder of this user's own is not followed either.
    const std::string real = m_root.path() + "/run/real";
    ASSERT_EQ(::mkdir(real.c_str(), 0700), 0);
    ASSERT_EQ(::symlink(real.c_str(), folder().c_str()), 0);
    auto linked = m_bus.claim("Caldrix", {});
    EXPECT_FALSE(linked.endpoint);
    EXPECT_NE(linked.error.find("symbolic link"), std::string::npos) << linked.error;
    ASSERT_EQ(::unlink(folder().c_str()), 0);

    // Another user's folder (only root can make one to try this with).
    if (::geteuid() == 0) {
        ASSERT_EQ(::mkdir(folder().c_str(), 0700), 0);
        ASSERT_EQ(::chown(folder().c_str(), 65534, 65534), 0);
        auto foreign = m_bus.claim("Caldrix", {});
        EXPECT_FALSE(foreign.endpoint);
        EXPECT_NE(foreign.error.find("belongs to another user"), std::string::npos) << foreign.error;
        EXPECT_FALSE(m_bus.send("Caldrix", {1, 0, 0}));
        ASSERT_EQ(::rmdir(folder().c_str()), 0);
    } else {
        std::cout << "[ skipped  ] another user's folder needs root to be made\n";
    }

    // A lock file that is a link or a folder: no claim, and not taken for
    // another holder.
    auto made = m_bus.claim("Probe", {});
    ASSERT_TRUE(made.endpoint) << made.error;
    made.endpoint.reset();
    ASSERT_EQ(::symlink("/dev/null", (folder() + "/Caldrix.lock").c_str()), 0);
    ASSERT_EQ(::mkdir((folder() + "/CPUIdle.lock").c_str(), 0700), 0);
    // Nor is a name that is no plain file name.
    for (const char* name : {"Caldrix", "CPUIdle", "", "../Caldrix", "a/b", ".hidden"}) {
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
