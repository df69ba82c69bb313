#include <atomic>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <new>

#include <gtest/gtest.h>

#include "history/ReadingsHistory.h"
#include "history/SpanDescription.h"
#include "history/SpanSummary.h"
#include "platform/fake/FakeTimerQueue.h"
#include "presentation/UpDownStatistics.h"

// Counts the allocations of this program while a test asks, to show that an
// append allocates nothing.
namespace {
std::atomic<bool> g_counting{false};
std::atomic<long> g_allocations{0};
} // namespace

// GCC pairs the inlined malloc with a delete expression elsewhere and calls the
// free below mismatched; these two functions are each other's pair.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void* operator new(std::size_t size)
{
    if (g_counting) {
        ++g_allocations;
    }
    if (void* p = std::malloc(size == 0 ? 1 : size)) {
        return p;
    }
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept
{
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept
{
    std::free(p);
}
#pragma GCC diagnostic pop

namespace cdx {
namespace {

constexpr std::int64_t kStart = 1'780'000'020; // a whole minute, 2026
constexpr std::size_t kCpu = 1;                // the LM75's channel
constexpr std::size_t kCore = Readings::TemperatureCount;
constexpr std::size_t kFan1 = Readings::TemperatureCount + Readings::RailCount;

// Polls in virtual time: a poll timer on fake timers, the tick count and the
// wall clock both following the queue; the readings come from `reading`.
struct VirtualPolls {
    explicit VirtualPolls(int intervalMs = 1000)
    {
        timer->setInterval(intervalMs);
        timer->setOnTick([this] { poll(); });
        timer->setEnabled(true);
    }

    void poll()
    {
        Readings r;
        r.tickMs = static_cast<std::uint64_t>(queue.now() - asleepMs);
        r.unixSeconds = kStart + (queue.now() + clockShiftMs) / 1000;
        const double t = static_cast<double>(queue.now()) / 1000.0;
        r.temperature(TemperatureSensor::LM75) = 40.0 + std::fmod(t, 60.0) / 10.0;
        r.voltage(VoltageRail::Core) = 1.5;
        if (fanPresent) {
            r.fan(Fan::Fan1) = 2000.0 + t;
        }
        history.setPollInterval(timer->interval());
        history.append(r);
        ++polls;
    }

    std::int64_t now() const { return kStart + (queue.now() + clockShiftMs) / 1000; }

    FakeTimerQueue queue;
    std::unique_ptr<Timer> timer = queue.createTimer();
    ReadingsHistory history;
    bool fanPresent = true;
    std::int64_t asleepMs = 0;
    std::int64_t clockShiftMs = 0;
    int polls = 0;
};

int gapsIn(const ReadingsHistory& h)
{
    int gaps = 0;
    for (std::size_t i = 0; i < h.pointCount(); ++i) {
        gaps += h.point(i).gapBefore ? 1 : 0;
    }
    return gaps;
}

TEST(ReadingsHistoryTest, TheHourRingWrapsInOrderAndMinuteBandsCloseAtTheWallClocksMinutes)
{
    VirtualPolls p;
    // Until the rings wrap, only what they hold is resident.
    p.queue.advance(60 * 1000);
    EXPECT_LT(p.history.residentBytes(), 70 * sizeof(HistoryPoint) + 2 * sizeof(MinuteBand) + sizeof(ReadingsHistory));
    p.queue.advance(2 * 3600 * 1000 - 60 * 1000);
    const ReadingsHistory& h = p.history;
    ASSERT_EQ(h.pointCount(), ReadingsHistory::kPointCapacity);
    EXPECT_LE(h.point(0).unixSeconds, p.now() - 3600);
    for (std::size_t i = 1; i < h.pointCount(); ++i) {
        ASSERT_EQ(h.point(i).unixSeconds, h.point(i - 1).unixSeconds + 1) << i;
    }
    EXPECT_EQ(h.point(h.pointCount() - 1).unixSeconds, p.now());
    EXPECT_DOUBLE_EQ(h.point(h.pointCount() - 1).values[kFan1], 2000.0 + 7200.0);
    EXPECT_EQ(gapsIn(h), 0); // the first poll, before which nothing was, is long gone

    // Minute bands close at the wall clock's minutes.
    VirtualPolls q;
    q.queue.advance(30 * 1000); // the first poll lands at 1 s, not on a minute
    q.queue.advance(3 * 60 * 1000);
    const ReadingsHistory& banded = q.history;
    ASSERT_EQ(banded.minuteCount(), 3U);
    // The first minute has the 59 polls from 1 s to 59 s, the next ones 60.
    EXPECT_EQ(banded.minute(0).startSeconds, kStart);
    EXPECT_EQ(banded.minute(0).counts[kCpu], 59);
    EXPECT_EQ(banded.minute(1).startSeconds, kStart + 60);
    EXPECT_EQ(banded.minute(1).counts[kCpu], 60);
    // 40 + (s mod 60) / 10 over s = 60..119: 40.0 to 45.9, average 42.95.
    EXPECT_FLOAT_EQ(banded.minute(1).lowest[kCpu], 40.0F);
    EXPECT_FLOAT_EQ(banded.minute(1).highest[kCpu], 45.9F);
    EXPECT_FLOAT_EQ(banded.minute(1).average[kCpu], 42.95F);
    MinuteBand open;
    ASSERT_TRUE(banded.openMinute(open));
    EXPECT_EQ(open.startSeconds, kStart + 180);
    EXPECT_EQ(open.counts[kCpu], 31); // 180 s to 210 s
}

TEST(ReadingsHistoryTest, TheDayRingKeepsTheLast1440MinutesAtAnyInterval)
{
    VirtualPolls p(10'000);
    p.queue.advance(25LL * 3600 * 1000);
    const ReadingsHistory& h = p.history;
    ASSERT_EQ(h.minuteCount(), ReadingsHistory::kMinuteCapacity);
    EXPECT_EQ(h.minute(0).startSeconds, p.now() / 60 * 60 - 1440 * 60);
    EXPECT_EQ(h.minute(h.minuteCount() - 1).counts[kCpu], 6);
    static_assert(ReadingsHistory::footprint() < 1024 * 1024);

    // Polls faster than a second share a point, but every one counts in its minute.
    VirtualPolls fast(250);
    fast.queue.advance(2 * 3600 * 1000);
    EXPECT_LE(fast.history.point(0).unixSeconds, fast.now() - 3600);
    EXPECT_EQ(fast.history.minute(fast.history.minuteCount() - 1).counts[kCpu], 240);
}

TEST(ReadingsHistoryTest, AReadingNotAvailableIsAGapNeverAZero)
{
    VirtualPolls p;
    p.queue.advance(120 * 1000);
    p.fanPresent = false;
    p.queue.advance(120 * 1000);
    const ReadingsHistory& h = p.history;
    EXPECT_TRUE(std::isnan(h.point(h.pointCount() - 1).values[kFan1]));
    EXPECT_FALSE(hasValue(h.point(h.pointCount() - 1).values[kFan1 + 1])); // never read at all
    EXPECT_EQ(h.minute(h.minuteCount() - 1).counts[kFan1], 0);
    const SpanSummary s = summarizeSpan(h, HistorySpan::Hour, p.now(), {});
    ASSERT_TRUE(s[kFan1].any);
    EXPECT_GE(s[kFan1].lowest, 2000.0);
    EXPECT_FALSE(s[kFan1 + 1].any);
}

TEST(ReadingsHistoryTest, SuspendAndSleepAreGapsAndAClockSetBackDropsItsFuture)
{
    VirtualPolls p;
    p.queue.advance(5 * 60 * 1000);
    // Suspended: no polls for five minutes.
    p.timer->setEnabled(false);
    p.queue.advance(5 * 60 * 1000);
    p.timer->setEnabled(true);
    p.queue.advance(60 * 1000);
    EXPECT_EQ(gapsIn(p.history), 2);
    // The machine asleep: the tick stands still while the wall clock runs on.
    p.timer->setEnabled(false);
    p.queue.advance(10 * 60 * 1000);
    p.asleepMs += 10 * 60 * 1000;
    p.timer->setEnabled(true);
    p.queue.advance(60 * 1000);
    EXPECT_EQ(gapsIn(p.history), 3);
    // No minute was made up for the silences: minutes 0 to 5, 10, 11 and 21
    // are finished, 22 is open.
    const ReadingsHistory& h = p.history;
    ASSERT_EQ(h.minuteCount(), 9U);
    EXPECT_EQ(h.minute(6).startSeconds, kStart + 600);
    EXPECT_EQ(h.minute(8).startSeconds, kStart + 21 * 60);

    // A clock set back drops what lies in its future.
    VirtualPolls back;
    back.queue.advance(10 * 60 * 1000);
    back.clockShiftMs = -5 * 60 * 1000;
    back.queue.advance(1000);
    const ReadingsHistory& rewound = back.history;
    for (std::size_t i = 1; i < rewound.pointCount(); ++i) {
        ASSERT_GT(rewound.point(i).unixSeconds, rewound.point(i - 1).unixSeconds);
    }
    EXPECT_EQ(rewound.point(rewound.pointCount() - 1).unixSeconds, back.now());
    EXPECT_TRUE(rewound.point(rewound.pointCount() - 1).gapBefore);
    const auto minutes = rewound.minutesForSaving();
    for (std::size_t i = 1; i < minutes.size(); ++i) {
        ASSERT_GT(minutes[i].startSeconds, minutes[i - 1].startSeconds);
    }
    EXPECT_LE(minutes.back().startSeconds, back.now());
}

TEST(ReadingsHistoryTest, AnAppendAllocatesNothing)
{
    VirtualPolls p;
    p.queue.advance(3 * 3600 * 1000); // both rings full
    g_allocations = 0;
    g_counting = true;
    for (int i = 0; i < 5000; ++i) {
        p.poll();
        p.queue.advance(0);
    }
    g_counting = false;
    EXPECT_EQ(g_allocations, 0);
}

TEST(ReadingsHistoryTest, SpanSummariesAndTheirDescription)
{
    VirtualPolls p;
    p.queue.advance(2 * 3600 * 1000);
    const std::int64_t now = p.now();
    const SpanSummary tenMinutes = summarizeSpan(p.history, HistorySpan::TenMinutes, now, {});
    // The fan rises by one RPM a second: its lowest is the first poll of the span.
    EXPECT_DOUBLE_EQ(tenMinutes[kFan1].lowest, 2000.0 + 7200.0 - 599.0);
    EXPECT_EQ(tenMinutes[kFan1].lowestAt, now - 599);
    EXPECT_DOUBLE_EQ(tenMinutes[kFan1].highest, 9200.0);
    EXPECT_EQ(tenMinutes[kFan1].highestAt, now);
    EXPECT_DOUBLE_EQ(tenMinutes[kFan1].average, 9200.0 - 299.5);
    const SpanSummary day = summarizeSpan(p.history, HistorySpan::Day, now, {});
    EXPECT_NEAR(day[kCpu].average, 42.95, 1e-3); // each minute's ramp
    EXPECT_FLOAT_EQ(static_cast<float>(day[kCpu].highest), 45.9F);
    EXPECT_EQ(day[kFan1].lowestAt, kStart); // the first minute

    // In whole degrees Fahrenheit the figures are those the statistics page
    // gives for the same polls.
    TemperatureDisplay fahrenheit;
    fahrenheit.scale = TemperatureScale::Fahrenheit;
    fahrenheit.roundFahrenheit = true;
    UpDownStatistics statistics(UpDownStatistics::LabelsChanged{});
    for (std::size_t i = 0; i < p.history.pointCount(); ++i) {
        if (p.history.point(i).unixSeconds > now - 600) {
            statistics.feed(UpDownReading::LM75, p.history.point(i).values[kCpu], fahrenheit);
        }
    }
    const UpDownStatistics::Entry& cpu = statistics.entry(UpDownReading::LM75);
    const SpanDescription text(fahrenheit, [](std::int64_t t) { return "T" + std::to_string(t % 100); });
    std::array<std::string, Readings::ChannelCount> names;
    names[kCpu] = "CPU";
    names[kFan1] = "Fan 1";
    const std::string temperatures = text.describe(
        HistoryGroup::Temperatures, summarizeSpan(p.history, HistorySpan::TenMinutes, now, fahrenheit), names);
    EXPECT_EQ(temperatures.rfind("CPU: now ", 0), 0U) << temperatures;
    for (const std::string& figure : {"lowest " + cpu.lowLabel + " °F at T", "highest " + cpu.highLabel + " °F at T",
                                      "average " + cpu.averageLabel + " °F."}) {
        EXPECT_NE(temperatures.find(figure), std::string::npos) << figure << " in " << temperatures;
    }
    EXPECT_EQ(text.describe(HistoryGroup::Fans, tenMinutes, names),
              "Fan 1: now 9200 RPM, lowest 8601 RPM at T" + std::to_string((now - 599) % 100) +
                  ", highest 9200 RPM at T" + std::to_string(now % 100) + ", average 8900.50 RPM.");
    EXPECT_EQ(text.describe(HistoryGroup::Voltages, SpanSummary{}, names), "No readings in this span.");
}

} // namespace
} // namespace cdx
