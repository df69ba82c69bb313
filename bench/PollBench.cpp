#include <array>
#include <fstream>

#include <benchmark/benchmark.h>

#include "monitor/PollCycle.h"
#include "monitor/PollListener.h"
#include "platform/fake/FakeSensorDriver.h"
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
