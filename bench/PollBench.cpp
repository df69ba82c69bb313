#include <algorithm>
#include <array>
#include <ctime>
#include <fstream>
#include <memory>
#include <vector>

#include <benchmark/benchmark.h>

#include "history/HistoryKeeper.h"
#include "monitor/PollCycle.h"
#include "monitor/PollListener.h"
#include "platform/fake/FakeSensorDriver.h"
#include "platform/fake/FakeStateFile.h"
#include "platform/fake/FakeTimerQueue.h"
#include "presentation/GaugeSet.h"
#include "settings/Settings.h"

namespace cdx {
namespace {

class NullListener : public PollListener {
public:
    void createIcon() override {}
    bool cpuIdleLaunched() const override { return false; }
    void checkCpuIdleLaunch() override {}
    void checkCpuIdleClose() override {}
};

long residentKilobytes()
{
    std::ifstream statm("/proc/self/statm");
    long size = 0;
    long resident = 0;
    statm >> size >> resident;
    return resident * 4;
}

struct PollBench {
    PollBench()
    {
        settings.temperature(TemperatureSensor::WB1).sensorEnabled =
            settings.temperature(TemperatureSensor::LM75).sensorEnabled =
                settings.temperature(TemperatureSensor::WB2).sensorEnabled =
                    settings.temperature(TemperatureSensor::WB3).sensorEnabled = true;
        settings.fan(Fan::Fan1).alarmEnabled = settings.fan(Fan::Fan2).alarmEnabled =
            settings.fan(Fan::Fan3).alarmEnabled = true;
        settings.cpuIdleLaunch = settings.cpuIdleClose = true;
        // Readings that move, so labels and statistics change on every poll.
        driver.script("GetLM78Temp", {30, 31, 32, 33, 34, 35, 34, 33, 32, 31});
        driver.script("GetLM78Fan3", {140});
        for (auto& g : gauges) {
            g.setScale(100.0F);
        }
        poll.setChipPresent(true);
        poll.setFanDivisors(2, 2);
    }

    FakeSensorDriver driver;
    Settings settings;
    GaugeSet gauges;
    UpDownStatistics statistics;
    ReadingsPanel panel;
    NullListener listener;
    PollCycle poll{PollCycle::Parts{driver, settings, gauges, statistics, panel, listener, [] { return true; }}};
};

void BM_OnePoll(benchmark::State& state)
{
    PollBench b;
    for (auto _ : state) {
        b.poll.poll();
    }
}
BENCHMARK(BM_OnePoll)->Repetitions(5)->ReportAggregatesOnly(true);

// This thread's processor time, in seconds: what other programs on the
// machine do is not counted.
double threadSeconds()
{
    timespec now{};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

// What keeping the history adds to a poll, as a ratio to its budget of 1 µs
// (below 1 meets it): polls without and with the history, alternating in
// short rounds so that both meet the same machine; the median of the
// rounds' differences, so that a round another program interrupted does not
// count.
void BM_PollCostOfHistory(benchmark::State& state)
{
    PollBench plain;
    PollBench kept;
    FakeTimerQueue timers;
    const std::unique_ptr<Timer> saveTimer = timers.createTimer();
    FakeStateFile file;
    HistoryKeeper keeper(HistoryKeeper::Parts{file, *saveTimer, [] { return 1000; }, [] { return 0; }, {}});
    kept.poll.addReadingsListener(keeper);
    constexpr int kRound = 200;
    std::vector<double> added;
    std::vector<double> plainPolls;
    for (auto _ : state) {
        double start = threadSeconds();
        for (int i = 0; i < kRound; ++i) {
            plain.poll.poll();
        }
        const double without = threadSeconds() - start;
        start = threadSeconds();
        for (int i = 0; i < kRound; ++i) {
            kept.poll.poll();
        }
        const double with = threadSeconds() - start;
        added.push_back((with - without) / kRound);
        plainPolls.push_back(without / kRound);
    }
    const auto median = [](std::vector<double>& values) {
        std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2), values.end());
        return values[values.size() / 2];
    };
    state.counters["poll_us"] = median(plainPolls) * 1e6;
    state.counters["added_ratio_to_1us"] = median(added) / 1e-6;
}
BENCHMARK(BM_PollCostOfHistory)->Unit(benchmark::kMillisecond);

// Memory over a million polls: the resident size after warming up and after
// the million, in kilobytes.
void BM_MillionPollsMemory(benchmark::State& state)
{
    for (auto _ : state) {
        PollBench b;
        for (int i = 0; i < 1000; ++i) {
            b.poll.poll();
        }
        const long before = residentKilobytes();
        for (int i = 0; i < 1000000; ++i) {
            b.poll.poll();
        }
        const long after = residentKilobytes();
        state.counters["rss_before_kb"] = static_cast<double>(before);
        state.counters["rss_growth_kb"] = static_cast<double>(after - before);
    }
}
BENCHMARK(BM_MillionPollsMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace cdx
