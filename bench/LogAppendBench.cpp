#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include <benchmark/benchmark.h>

#include "logs/IntervalLog.h"
#include "logs/IntervalLogFormat.h"
#include "logs/IntervalLogNames.h"
#include "logs/LogFileAppender.h"
#include "logs/LogFileMeter.h"
#include "logs/LogPaths.h"
#include "logs/LogServices.h"
#include "logs/LogSizeMonitor.h"
#include "platform/fake/FakeClock.h"
#include "platform/fake/FakeMessageBox.h"
#include "platform/fake/FakeTimerQueue.h"
#include "platform/linux/LinuxFileLockProbe.h"
#include "platform/linux/LinuxFileOpener.h"

namespace cdx {
namespace {

namespace fs = std::filesystem;

IntervalLogSnapshot window()
{
    IntervalLogSnapshot w;
    w.cpuSpeedMhz = 451;
    w.lm75Gauge = "45°C";
    w.wb1Gauge = "31°C";
    w.wb2Gauge = "28°C";
    w.wb3Gauge = "29°C";
    w.coreVoltage = ": 2.80";
    w.p33Voltage = ": 3.31";
    w.p5Voltage = ": 4.97";
    w.n5Voltage = ": -5.06";
    w.p12Voltage = ": 12.16";
    w.n12Voltage = ": -12.27";
    w.fan1 = "4560";
    w.fan2 = "not available";
    w.fan3 = "0";
    return w;
}

// Writes `header` and then whole `row`s until the file holds at least `size`
// bytes.
void fill(const std::string& path, const std::string& header, const std::string& row, std::size_t size)
{
    std::string chunk;
    while (chunk.size() < (1u << 20)) {
        chunk += row;
    }
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << header;
    std::size_t written = header.size();
    while (written + chunk.size() <= size) {
        out << chunk;
        written += chunk.size();
    }
    while (written < size) {
        out << row;
        written += row.size();
    }
}

// One interval-log entry in TXT, HTML and CSV appended to files that
// already hold `state.range(0)` bytes each.
void BM_IntervalLogEntry(benchmark::State& state)
{
    const auto size = static_cast<std::size_t>(state.range(0));
    const fs::path folder = fs::temp_directory_path() / ("caldrix-bench-" + std::to_string(std::random_device()()));
    fs::create_directories(folder);

    const LogPaths paths = LogPaths::inDirectory(folder.string());
    LinuxFileLockProbe locks;
    LinuxFileOpener opener;
    LogFileAppender files(locks, opener);
    LogFileMeter meter(locks, opener);
    LogSizeMonitor sizes(paths, meter);
    FakeClock clock;
    RegionalFormats formats;
    FakeMessageBox messages;
    LogServices services{paths, files, sizes, clock, formats, messages};
    Settings options;
    options.logCsv = true;
    options.logSizeLimitKb = 1000000;
    IntervalLogNames names;
    FakeTimerQueue timers;
    auto logTimer = timers.createTimer();
    IntervalLog log(
        services, options, *logTimer, [] { return window(); }, [] { return false; });

    const IntervalLogEntry entry = IntervalLogEntry::fromWindow("12/06/26", "14:30:15", window());
    fill(paths.intervalTxt, IntervalLogFormat::txtHeader(names, "."), IntervalLogFormat::txtRow(entry), size);
    fill(paths.intervalCsv, IntervalLogFormat::csvHeader(names, "."), IntervalLogFormat::csvRow(entry), size);
    std::string htmRow = IntervalLogFormat::htmRow(entry);
    htmRow.erase(htmRow.size() - IntervalLogFormat::HtmlTrailer.size() - 2);
    std::string htmHeader = IntervalLogFormat::htmHeader(names);
    htmHeader.erase(htmHeader.size() - IntervalLogFormat::HtmlTrailer.size() - 2);
    fill(paths.intervalHtm, htmHeader, htmRow, size);
    std::ofstream(paths.intervalHtm, std::ios::binary | std::ios::app) << IntervalLogFormat::HtmlTrailer << "\r\n";

    for (auto _ : state) {
        log.writeStandardLogEntry();
    }
    if (!messages.errors().empty()) {
        state.SkipWithError(messages.errors().front().c_str());
    }
    state.counters["file_kb"] = static_cast<double>(size / 1024);
    fs::remove_all(folder);
}

BENCHMARK(BM_IntervalLogEntry)
    ->Arg(1024)
    ->Arg(50 << 20)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace
} // namespace cdx
