// The CPU Idle program as Caldrix meets it: a separate process reached
// through the user's real message sockets. This test process plays Caldrix.
#ifdef CALDRIX_CPUIDLE_PROGRAM

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <functional>
#include <iostream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "CpufreqTree.h"
#include "LocalDatagram.h"
#include "WaitUntil.h"
#include "platform/ExternalMessages.h"
#include "platform/linux/UnixLocalMessaging.h"

namespace cdx {
namespace {

using namespace std::chrono_literals;

class CpuIdleCompanionProcessTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(::mkdir(runtime().c_str(), 0700), 0);
        test::addCpufreqPolicy(m_dir.path() + "/cpufreq", "policy0", "3400000", "800000");
        auto claim = m_bus.claim("Caldrix", [this](const LocalMessage& m) { m_received.push_back(m); });
        ASSERT_TRUE(claim.endpoint) << claim.error;
        m_caldrix = std::move(claim.endpoint);
    }
    void TearDown() override
    {
        if (m_pid > 0) {
            ::kill(m_pid, SIGKILL);
            ::waitpid(m_pid, nullptr, 0);
        }
    }

    std::string runtime() const { return m_dir.path() + "/run"; }
    static void write(const std::string& path, const std::string& text) { test::writeWholeFile(path, text); }
    static std::string read(const std::string& path) { return test::readWholeFile(path); }
    std::string limit() const { return read(m_dir.path() + "/cpufreq/policy0/scaling_max_freq"); }
    std::string output() const { return read(m_dir.path() + "/stdout"); }
    std::string notices() const { return read(m_dir.path() + "/stderr"); }

    void startCompanion()
    {
        m_received.clear();
        // Emptied here, so that nothing of an earlier run is read as this one's.
        write(m_dir.path() + "/stdout", "");
        write(m_dir.path() + "/stderr", "");
        m_pid = ::fork();
        ASSERT_GE(m_pid, 0);
        if (m_pid == 0) {
            ::setenv("XDG_RUNTIME_DIR", runtime().c_str(), 1);
            ::setenv("HOME", m_dir.path().c_str(), 1);
            ::setenv("XDG_CONFIG_HOME", (m_dir.path() + "/config").c_str(), 1);
            ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
            ::setenv("CALDRIX_CPUFREQ_ROOT", (m_dir.path() + "/cpufreq").c_str(), 1);
            const int out = ::open((m_dir.path() + "/stdout").c_str(), O_WRONLY | O_APPEND);
            const int err = ::open((m_dir.path() + "/stderr").c_str(), O_WRONLY | O_APPEND);
            ::dup2(out, 1);
            ::dup2(err, 2);
            ::execl(CALDRIX_CPUIDLE_PROGRAM, CALDRIX_CPUIDLE_PROGRAM, static_cast<char*>(nullptr));
            ::_exit(127);
        }
    }

    // Waits up to 30 s (a loaded machine starts a toolkit program slowly),
    // handing Caldrix's messages over meanwhile.
    bool waitFor(const std::function<bool()>& condition)
    {
        return test::waitUntil(condition, 30s, [this] {
            if (m_caldrix) {
                m_caldrix->receivePending();
            }
        });
    }
    bool askedForTheTemperature() const
    {
        return std::any_of(m_received.begin(), m_received.end(),
                           [](const LocalMessage& m) { return m.message == ExternalMessages::ReportTemperature; });
    }
    // The exit status once the companion has ended, -1 while it runs.
    int exitStatus()
    {
        int status = 0;
        if (::waitpid(m_pid, &status, WNOHANG) != m_pid) {
            return -1;
        }
        m_pid = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }
    // The exit status once the companion has ended, -1 when it did not end in time.
    int waitForExit()
    {
        int status = -1;
        waitFor([&] { return (status = exitStatus()) != -1; });
        return status;
    }

    test::TemporaryDirectory m_dir;
    std::ostringstream m_busNotices;
    UnixLocalMessaging m_bus{runtime() + "/caldrix", m_busNotices};
    std::unique_ptr<LocalEndpoint> m_caldrix;
    std::vector<LocalMessage> m_received;
    pid_t m_pid = -1;
};

TEST_F(CpuIdleCompanionProcessTest,
       TalksWithCaldrixDropsStrangersAndSecondCopiesAndEndsOnTheCloseMessageRestoringTheClock)
{
    startCompanion();
    ASSERT_TRUE(waitFor([this] { return askedForTheTemperature(); })) << notices();
    EXPECT_EQ(limit(), "800000\n");

    ASSERT_TRUE(m_bus.send("CPUIdle", {ExternalMessages::TemperatureReport, 2, 38}));
    EXPECT_TRUE(waitFor([this] { return output().find("WB2: 38 °C") != std::string::npos; })) << output();

    // A malformed datagram and a message no program of this pair sends.
    ASSERT_TRUE(test::sendDatagram(runtime() + "/caldrix/CPUIdle", "hello"));
    ASSERT_TRUE(m_bus.send("CPUIdle", {0x1234, 0, 0}));
    EXPECT_TRUE(waitFor([this] {
        return notices().find("was dropped") != std::string::npos &&
               notices().find("message 4660 was ignored") != std::string::npos;
    })) << notices();
    EXPECT_EQ(exitStatus(), -1) << "still running";

    // A second copy changes nothing of the running one.
    const pid_t first = m_pid;
    const std::string journal = runtime() + "/caldrix/cpuidle-cpufreq.journal";
    ASSERT_EQ(read(journal), "policy0 3400000\n");
    startCompanion();
    EXPECT_EQ(waitForExit(), 1);
    EXPECT_NE(notices().find("already running"), std::string::npos) << notices();
    EXPECT_EQ(limit(), "800000\n") << "the running one's limit stays";
    EXPECT_EQ(read(journal), "policy0 3400000\n") << "and so does its journal";
    m_pid = first;

    ASSERT_TRUE(m_bus.send("CPUIdle", {ExternalMessages::Close, 0, 0}));
    m_bus.send("CPUIdle", {ExternalMessages::App, 0, 0});
    EXPECT_EQ(waitForExit(), 0);
    EXPECT_EQ(limit(), "3400000\n");
    EXPECT_FALSE(m_bus.send("CPUIdle", {ExternalMessages::Probe, 0, 0})) << "its endpoint is gone";
}

TEST_F(CpuIdleCompanionProcessTest, EndsWhenCaldrixIsGoneOrOnSigtermAndRepairsAKilledRun)
{
    startCompanion();
    ASSERT_TRUE(waitFor([this] { return askedForTheTemperature(); })) << notices();
    m_caldrix.reset(); // Caldrix crashed
    EXPECT_EQ(waitForExit(), 0);
    EXPECT_EQ(limit(), "3400000\n");

    // Killed outright, it cannot restore; its next start does.
    startCompanion();
    ASSERT_TRUE(waitFor([this] { return limit() == "800000\n"; }));
    ::kill(m_pid, SIGKILL);
    ASSERT_TRUE(waitFor([&] { return exitStatus() != -1; }));
    EXPECT_EQ(limit(), "800000\n");

    startCompanion();
    ASSERT_TRUE(waitFor([this] { return notices().find("limited to 800 MHz") != std::string::npos; })) << notices();
    ::kill(m_pid, SIGTERM);
    EXPECT_EQ(waitForExit(), 0);
    EXPECT_EQ(limit(), "3400000\n");
}

TEST_F(CpuIdleCompanionProcessTest, APlantedFolderAndJournalChangeNoLimit)
{
    // Where the folder falls back to without a runtime folder: open to
    // everyone, or another user's, with a journal naming the attacker's
    // limit. Nothing in it is read, and nothing is lowered.
    m_caldrix.reset();
    const std::string folder = runtime() + "/caldrix";
    std::filesystem::remove_all(folder);
    ASSERT_EQ(::mkdir(folder.c_str(), 0700), 0);
    write(folder + "/cpuidle-cpufreq.journal", "policy0 800000\n");
    std::vector<std::pair<std::string, std::function<void()>>> plantings{
        {"has the mode 0777", [&] { ::chmod(folder.c_str(), 0777); }}};
    if (::geteuid() == 0) {
        plantings.push_back({"belongs to another user", [&] {
                                 ::chmod(folder.c_str(), 0700);
                                 ASSERT_EQ(::chown(folder.c_str(), 65534, 65534), 0);
                                 ASSERT_EQ(::chown((folder + "/cpuidle-cpufreq.journal").c_str(), 65534, 65534), 0);
                             }});
    } else {
        std::cout << "[ skipped  ] a folder of another user's needs root to be made\n";
    }
    for (const auto& [reason, plant] : plantings) {
        SCOPED_TRACE(reason);
        plant();
        startCompanion();
        EXPECT_EQ(waitForExit(), 1);
        EXPECT_NE(notices().find(reason), std::string::npos) << notices();
        EXPECT_EQ(limit(), "3400000\n");
        EXPECT_EQ(read(folder + "/cpuidle-cpufreq.journal"), "policy0 800000\n");
    }
}

} // namespace
} // namespace cdx

#endif
