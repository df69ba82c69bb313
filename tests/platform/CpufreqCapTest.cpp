#include "platform/linux/CpufreqCap.h"

#include <filesystem>
#include <string>

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "ChildProcess.h"
#include "CpufreqTree.h"

namespace cdx {
namespace {

class CpufreqCapTest : public ::testing::Test {
protected:
    std::string root() const { return m_dir.path() + "/cpufreq"; }
    std::string journal() const { return m_dir.path() + "/cpufreq.journal"; }

    std::string maxOf(const std::string& name) const
    {
        const std::string text = test::readWholeFile(root() + "/" + name + "/scaling_max_freq");
        return text.substr(0, text.find('\n'));
    }

    test::TemporaryDirectory m_dir;
};

TEST_F(CpufreqCapTest, LowersEveryPolicyAndPutsEachPreviousLimitBack)
{
    test::addCpufreqPolicy(root(), "policy0", "3400000", "800000");
    test::addCpufreqPolicy(root(), "policy4", "2800000", "400000");
    std::filesystem::create_directories(root() + "/boost"); // not a policy
    {
        CpufreqCap cap(root(), journal());
        const auto outcome = cap.apply();
        ASSERT_TRUE(outcome.applied) << outcome.message;
        EXPECT_EQ(outcome.message, "The processor's clock is limited to 800 MHz, 400 MHz while CPU Idle runs.");
        EXPECT_EQ(maxOf("policy0"), "800000");
        EXPECT_EQ(maxOf("policy4"), "400000");
        EXPECT_TRUE(std::filesystem::exists(journal()));

        EXPECT_EQ(cap.restore(), "");
        EXPECT_EQ(maxOf("policy0"), "3400000");
        EXPECT_EQ(maxOf("policy4"), "2800000");
        EXPECT_FALSE(std::filesystem::exists(journal()));

        ASSERT_TRUE(cap.apply().applied);
    } // ending puts the limits back as well
    EXPECT_EQ(maxOf("policy0"), "3400000");
    EXPECT_EQ(maxOf("policy4"), "2800000");
}

TEST_F(CpufreqCapTest, AFailingPolicyLeavesEveryLimitAsItWas)
{
    CpufreqCap nothing(root(), journal());
    const auto missing = nothing.apply();
    EXPECT_FALSE(missing.applied);
    EXPECT_NE(missing.message.find("Nothing was changed."), std::string::npos);

    test::addCpufreqPolicy(root(), "policy0", "3400000", "800000");
    test::addCpufreqPolicy(root(), "policy1", "3400000", "800000");
    // Readable and writable by name, but not a file of its own: the write is
    // refused after policy0 was already lowered.
    const std::string target = m_dir.file("elsewhere");
    test::writeWholeFile(target, "3400000\n");
    std::filesystem::remove(root() + "/policy1/scaling_max_freq");
    std::filesystem::create_symlink(target, root() + "/policy1/scaling_max_freq");

    CpufreqCap cap(root(), journal());
    const auto outcome = cap.apply();
    EXPECT_FALSE(outcome.applied);
    EXPECT_NE(outcome.message.find("Nothing was changed."), std::string::npos) << outcome.message;
    EXPECT_EQ(maxOf("policy0"), "3400000");
    EXPECT_EQ(maxOf("policy1"), "3400000");
    EXPECT_FALSE(std::filesystem::exists(journal()));

    // A limit that is not a number is not touched either.
    test::addCpufreqPolicy(root(), "policy2", "fast", "800000");
    std::filesystem::remove(root() + "/policy1/scaling_max_freq");
    test::writeWholeFile(root() + "/policy1/scaling_max_freq", "3400000\n");
    EXPECT_FALSE(cap.apply().applied);
    EXPECT_EQ(maxOf("policy0"), "3400000");
}

TEST_F(CpufreqCapTest, ARunKilledBeforeItCouldRestoreIsRepairedByTheNextStart)
{
    test::addCpufreqPolicy(root(), "policy0", "3400000", "800000");
    ASSERT_EQ(test::exitStatusInChild([&] {
                  auto* cap = new CpufreqCap(root(), journal()); // never destroyed, as with SIGKILL
                  return cap->apply().applied ? 0 : 1;
              }),
              0);
    EXPECT_EQ(maxOf("policy0"), "800000");

    CpufreqCap next(root(), journal());
    EXPECT_EQ(next.recoverJournal(), "");
    EXPECT_EQ(maxOf("policy0"), "3400000");
    EXPECT_FALSE(std::filesystem::exists(journal()));
    EXPECT_EQ(next.recoverJournal(), "") << "no journal: nothing to do";
}

TEST_F(CpufreqCapTest, AJournalItDidNotWriteChangesNoLimitAndIsRefusedWithOneReason)
{
    test::addCpufreqPolicy(root(), "policy0", "3400000", "800000");
    test::addCpufreqPolicy(root(), "policy1", "3400000", "800000");
    test::writeWholeFile(root() + "/policy0/scaling_max_freq", "800000\n"); // as a killed run left it
    // A policy folder that is a link to somewhere else.
    std::filesystem::create_directories(m_dir.file("elsewhere"));
    test::writeWholeFile(m_dir.file("elsewhere/scaling_max_freq"), "1\n");
    test::writeWholeFile(m_dir.file("elsewhere/cpuinfo_min_freq"), "1\n");
    test::writeWholeFile(m_dir.file("elsewhere/cpuinfo_max_freq"), "9999999\n");
    std::filesystem::create_directory_symlink(m_dir.file("elsewhere"), root() + "/policy7");

    const std::string good = "policy0 3400000\n";
    for (const std::string& planted :
         {good + std::string("policy1\0 100\n", 13), good + "policy1/../policy0 100\n", good + "../../etc 1\n",
          good + "policy7 5000000\n", good + "policy1 9000000\n", good + "policy1 100\n", good + "policy1 fast\n",
          good + "policy9 3400000\n", good + std::string(5000, '#')}) {
        SCOPED_TRACE(planted.substr(0, 40));
        test::writeWholeFile(journal(), planted);
        CpufreqCap cap(root(), journal());
        const std::string refused = cap.recoverJournal();
        EXPECT_NE(refused.find("was not used, and no limit was changed"), std::string::npos) << refused;
        EXPECT_EQ(refused.find('\n'), std::string::npos) << "one message";
        EXPECT_EQ(maxOf("policy0"), "800000") << "not even the good line is used";
        EXPECT_EQ(maxOf("policy1"), "3400000");
        EXPECT_EQ(test::readWholeFile(m_dir.file("elsewhere/scaling_max_freq")), "1\n");
    }

    // A journal that is a FIFO is not waited on, one that is a link not followed.
    std::filesystem::remove(journal());
    ASSERT_EQ(::mkfifo(journal().c_str(), 0600), 0);
    EXPECT_NE(CpufreqCap(root(), journal()).recoverJournal().find("not a regular file"), std::string::npos);
    std::filesystem::remove(journal());
    test::writeWholeFile(m_dir.file("linked"), good);
    std::filesystem::create_symlink(m_dir.file("linked"), journal());
    EXPECT_NE(CpufreqCap(root(), journal()).recoverJournal().find("was not used"), std::string::npos);
    EXPECT_EQ(maxOf("policy0"), "800000");
}

TEST_F(CpufreqCapTest, TheJournalsTemporaryAndThePolicyFoldersAreNeverReachedThroughALink)
{
    test::addCpufreqPolicy(root(), "policy0", "3400000", "800000");
    test::writeWholeFile(m_dir.file("victim"), "precious\n");
    std::filesystem::create_symlink(m_dir.file("victim"), journal() + ".new");
    {
        CpufreqCap cap(root(), journal());
        const auto outcome = cap.apply();
        ASSERT_TRUE(outcome.applied) << outcome.message;
        EXPECT_EQ(test::readWholeFile(m_dir.file("victim")), "precious\n");
        EXPECT_EQ(test::readWholeFile(journal()), "policy0 3400000\n");
        EXPECT_FALSE(std::filesystem::is_symlink(journal()));
    }
    EXPECT_EQ(maxOf("policy0"), "3400000");

    // A policy folder that is a link: nothing is lowered anywhere.
    std::filesystem::create_directories(m_dir.file("elsewhere"));
    test::writeWholeFile(m_dir.file("elsewhere/scaling_max_freq"), "3400000\n");
    test::writeWholeFile(m_dir.file("elsewhere/cpuinfo_min_freq"), "100\n");
    std::filesystem::create_directory_symlink(m_dir.file("elsewhere"), root() + "/policy1");
    CpufreqCap cap(root(), journal());
    EXPECT_FALSE(cap.apply().applied);
    EXPECT_EQ(maxOf("policy0"), "3400000");
    EXPECT_EQ(test::readWholeFile(m_dir.file("elsewhere/scaling_max_freq")), "3400000\n");
}

} // namespace
} // namespace cdx
