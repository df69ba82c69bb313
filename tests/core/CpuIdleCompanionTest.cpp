#include "cpuidle/CpuIdleCompanion.h"

#include <sstream>
#include <vector>

#include <gtest/gtest.h>

#include "platform/ExternalMessages.h"
#include "platform/FrequencyCap.h"
#include "platform/fake/FakeLocalMessaging.h"

namespace cdx {
namespace {

class RecordingCap : public FrequencyCap {
public:
    Outcome apply() override
    {
        ++applied;
        lowered = allowed;
        return {allowed, allowed ? "lowered" : "You may not change it. Nothing was changed."};
    }
    std::string restore() override
    {
        if (lowered) {
            ++restored;
        }
        lowered = false;
        return {};
    }
    bool allowed = true;
    bool lowered = false;
    int applied = 0;
    int restored = 0;
};

class CpuIdleCompanionTest : public ::testing::Test {
protected:
    CpuIdleCompanionTest()
    {
        companion.setObserver({[this] { ++changes; }, [this] { ++quits; }});
    }

    FakeLocalMessaging bus;
    RecordingCap cap;
    std::ostringstream notices;
    CpuIdleCompanion companion{bus, cap, notices};
    int changes = 0;
    int quits = 0;
};

TEST_F(CpuIdleCompanionTest, HoldsItsEndpointShowsReportsAndEndsOnCloseRestoringTheClock)
{
    ASSERT_TRUE(companion.start()) << companion.error();
    EXPECT_TRUE(bus.claimed("CPUIdle"));
    EXPECT_TRUE(cap.lowered);
    EXPECT_EQ(companion.capText(), "lowered");

    bus.send("CPUIdle", {ExternalMessages::TemperatureReport, 2, 38});
    EXPECT_EQ(companion.temperatureText(), "WB2: 38 °C");

    // Reports that cannot come from Caldrix, and strangers' messages, change
    // nothing and are noted.
    bus.send("CPUIdle", {ExternalMessages::TemperatureReport, 9, 38});
    bus.send("CPUIdle", {ExternalMessages::TemperatureReport, 0, 1'000'000});
    bus.send("CPUIdle", {0x1234, 0, 0});
    EXPECT_EQ(companion.temperatureText(), "WB2: 38 °C");
    EXPECT_EQ(quits, 0);
    EXPECT_NE(notices.str().find("sensor 9"), std::string::npos);
    EXPECT_NE(notices.str().find("message 4660 was ignored"), std::string::npos);

    bus.send("CPUIdle", {ExternalMessages::Close, 0, 0});
    bus.send("CPUIdle", {ExternalMessages::App, 0, 0});
    EXPECT_EQ(quits, 1);
    companion.stop();
    companion.stop();
    EXPECT_FALSE(bus.claimed("CPUIdle"));
    EXPECT_EQ(cap.restored, 1);
}

TEST_F(CpuIdleCompanionTest, EndsWhenTheCaldrixItTalkedToIsGoneButWaitsForOneThatNeverCame)
{
    ASSERT_TRUE(companion.start());
    companion.tick();
    companion.tick();
    EXPECT_EQ(quits, 0) << "started by hand before Caldrix: it waits";

    std::vector<LocalMessage> caldrixGot;
    auto caldrix = bus.claim("Caldrix", [&](const LocalMessage& m) { caldrixGot.push_back(m); }).endpoint;
    companion.tick();
    ASSERT_EQ(caldrixGot.size(), 1u);
    EXPECT_EQ(caldrixGot[0], (LocalMessage{ExternalMessages::ReportTemperature, 0, 0}));
    EXPECT_EQ(quits, 0);

    caldrix.reset(); // ended or crashed: nobody holds the name any more
    companion.tick();
    EXPECT_EQ(quits, 1);
    EXPECT_TRUE(cap.lowered) << "the clock goes back when the program ends";
    companion.stop();
    EXPECT_FALSE(cap.lowered);
}

TEST_F(CpuIdleCompanionTest, ASecondCopyOrAForbiddenCapChangesNothing)
{
    bus.holdElsewhere("CPUIdle");
    EXPECT_FALSE(companion.start());
    EXPECT_EQ(companion.error(), "CPU Idle is already running.");
    EXPECT_EQ(cap.applied, 0);

    FakeLocalMessaging freeBus;
    cap.allowed = false;
    CpuIdleCompanion second(freeBus, cap, notices);
    ASSERT_TRUE(second.start());
    EXPECT_EQ(second.capText(), "You may not change it. Nothing was changed.");
    second.stop();
    EXPECT_EQ(cap.restored, 0);
}

} // namespace
} // namespace cdx
