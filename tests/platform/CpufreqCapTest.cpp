#include "platform/linux/CpufreqCap.h"

#include <filesystem>
#include <fstream>
#include <string>

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include "TemporaryDirectory.h"

namespace cdx {
namespace {

class CpufreqCapTest : public ::testing::Test {
protected:
    std::string root() const { return m_dir.path() + "/cpufreq"; }
    std::string journal() const { return m_dir.path() + "/cpufreq.journal"; }

    void addPolicy(const std::string& name, const std::string& max, const std::string& min)
    {
        const std::string folder = root() + "/" + name;
        std::filesystem::create_directories(folder);
        write(folder + "/scaling_max_freq", max + "\n");
        write(folder + "/cpuinfo_min_freq", min + "\n");
        write(folder + "/cpuinfo_max_freq", max + "\n");
    }
    static void write(const std::string& path, const std::string& text) { std::ofstream(path) << text; }
    std::string maxOf(const std::string& name) const
    {
        std::ifstream in(root() + "/" + name + "/scaling_max_freq");
        std::string value;
        in >> value;
        return value;
    }

    test::TemporaryDirectory m_dir;
};

TEST_F(CpufreqCapTest, LowersEveryPolicyAndPutsEachPreviousLimitBack)
{
    addPolicy("policy0", "3400000", "800000");
    addPolicy("policy4", "2800000", "400000");
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

    addPolicy("policy0", "3400000", "800000");
    addPolicy("policy1", "3400000", "800000");
    // Readable and writable by name, but not a file of its own: the write is
    // refused after policy0 was already lowered.
    const std::string target = m_dir.file("elsewhere");
    write(target, "3400000\n");
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
    addPolicy("policy2", "fast", "800000");
    std::filesystem::remove(root() + "/policy1/scaling_max_freq");
    write(root() + "/policy1/scaling_max_freq", "3400000\n");
    EXPECT_FALSE(cap.apply().applied);
    EXPECT_EQ(maxOf("policy0"), "3400000");
}

TEST_F(CpufreqCapTest, ARunKilledBeforeItCouldRestoreIsRepairedByTheNextStart)
{
    addPolicy("policy0", "3400000", "800000");
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        auto* cap = new CpufreqCap(root(), journal()); // never destroyed, as with SIGKILL
        ::_exit(cap->apply().applied ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(maxOf("policy0"), "800000");

    // A damaged line in the journal is ignored; the good one is used.
    std::ofstream(journal(), std::ios::app) << "../../etc 1\npolicy9 fast\n";
    CpufreqCap next(root(), journal());
    EXPECT_EQ(next.recoverJournal(), "");
    EXPECT_EQ(maxOf("policy0"), "3400000");
    EXPECT_FALSE(std::filesystem::exists(journal()));
    EXPECT_EQ(next.recoverJournal(), "") << "no journal: nothing to do";
}

} // namespace
} // namespace cdx
