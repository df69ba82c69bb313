#include "monitor/MonitorTimers.h"

#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/fake/FakeBeeper.h"
#include "platform/fake/FakeTimerQueue.h"

namespace cdx {
namespace {

class MonitorTimersTest : public ::testing::Test {
protected:
    void make()
    {
        timers = std::make_unique<MonitorTimers>(queue, beeper);
        MonitorTimers::Handlers h;
        h.poll = [this] { events.push_back(timers->pollingActive() ? "poll" : "poll(direct)"); };
        h.swap = [this] { events.push_back("swap"); };
        h.logEntry = [this] { events.push_back("log"); };
        h.speakerDivisor = [] { return 500; };
        timers->setHandlers(h);
        // The interval log drives Timer3; here it only records its ticks.
        timers->logTimer().setOnTick([this] { events.push_back("log"); });
    }

    FakeTimerQueue queue;
    FakeBeeper beeper;
    std::unique_ptr<MonitorTimers> timers;
    std::vector<std::string> events;
};

TEST_F(MonitorTimersTest, StartUpPollsDirectlyThenTicksThenEnablesPolling)
{
    make();
    timers->logTimer().setInterval(60000);
    timers->logTimer().setEnabled(true); // "Log File" loaded as set
    timers->startUp(5000, 5000, [this] { events.push_back(timers->pollingActive() ? "shown, polling" : "shown"); });
    EXPECT_EQ(events, (std::vector<std::string>{"poll(direct)", "swap", "log", "shown"}));
    EXPECT_TRUE(timers->pollingActive());

    events.clear();
    queue.advance(60000);
    // 12 polls, 12 swaps and one log entry in the first minute.
    EXPECT_EQ(std::count(events.begin(), events.end(), "poll"), 12);
    EXPECT_EQ(std::count(events.begin(), events.end(), "swap"), 12);
    EXPECT_EQ(std::count(events.begin(), events.end(), "log"), 1);

    make();
    timers->toneTimer().setEnabled(true);
    queue.advance(1500);
    ASSERT_EQ(beeper.tones.size(), 3u);
    EXPECT_EQ(beeper.tones[0], std::make_pair(1193181u / 500u, 500u));
}

TEST_F(MonitorTimersTest, SuspendFreezesAndResumeRestoresWithOnePollAndSwap)
{
    make();
    timers->startUp(5000, 5000);
    timers->suspend();
    events.clear();
    queue.advance(120000);
    EXPECT_TRUE(events.empty());

    timers->resume([&] { events.push_back("restore"); });
    EXPECT_EQ(events, (std::vector<std::string>{"restore", "poll", "swap"}));
    EXPECT_TRUE(timers->pollingActive());
    EXPECT_TRUE(timers->swapTimer().enabled());

    // Show mode: the swap timer stays off after a pause.
    timers->swapTimer().setEnabled(false);
    timers->suspend();
    timers->resume();
    EXPECT_FALSE(timers->swapTimer().enabled());
}

TEST_F(MonitorTimersTest, StopAllSilencesEveryTimerForGood)
{
    // The end before an uninstall: a log entry or a tone while the files go
    // would raise an error box in the middle of the steps.
    make();
    timers->logTimer().setInterval(60000);
    timers->logTimer().setEnabled(true);
    timers->startUp(1000, 5000);
    timers->toneTimer().setEnabled(true);
    timers->stopAll();
    events.clear();
    queue.advance(3600 * 1000);
    EXPECT_TRUE(events.empty());
    EXPECT_TRUE(beeper.tones.empty());

    timers->resume([&] { events.push_back("restore"); });
    queue.advance(60000);
    EXPECT_TRUE(events.empty()) << "a resume after the end starts nothing";
    EXPECT_FALSE(timers->pollingActive());
}

} // namespace
} // namespace cdx
