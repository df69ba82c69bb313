#include <chrono>

#include <benchmark/benchmark.h>

#include "history/ReadingsHistory.h"

namespace cdx {
namespace {

// The cost of keeping one poll, as a ratio to its target of 1 µs (a ratio
// below 1 meets it). The rings are full, so every append wraps.
void BM_HistoryAppend(benchmark::State& state)
{
    ReadingsHistory history;
    Readings r;
    for (std::size_t i = 0; i < Readings::TemperatureCount; ++i) {
        r.temperatures[i] = 40.0 + static_cast<double>(i);
    }
    r.voltages = {1.5, 3.3, 5.0, 12.0, -12.0, -5.0};
    r.fans = {3000.0, std::nullopt, 2500.0};
    std::int64_t second = 1'780'000'020;
    for (int i = 0; i < 2 * 24 * 3600; ++i, ++second) {
        r.tickMs += 1000;
        r.unixSeconds = second;
        history.append(r);
    }
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        r.tickMs += 1000;
        r.unixSeconds = ++second;
        r.temperatures[1] = 40.0 + static_cast<double>(second % 17);
        history.append(r);
        benchmark::DoNotOptimize(history);
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    state.counters["ratio_to_1us"] = seconds / static_cast<double>(state.iterations()) / 1e-6;
    state.counters["footprint_kb"] = static_cast<double>(ReadingsHistory::footprint()) / 1024.0;
}
BENCHMARK(BM_HistoryAppend);

} // namespace
} // namespace cdx
