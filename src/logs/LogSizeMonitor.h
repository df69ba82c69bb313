#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "logs/LogFileMeter.h"
#include "logs/LogPaths.h"

namespace cdx {

// The size labels of the Log tab, as they read now.
struct LogSizeLabels {
    std::string intervalTxt = "TXT:0Kb";
    std::string intervalHtm = "HTM:0Kb";
    std::string intervalCsv = "CSV:0Kb";
    std::string warningTxt = "TXT:0Kb";
    std::string warningHtm = "HTM:0Kb";
    std::string upDownTxt = "TXT:0Kb";
    std::string upDownHtm = "HTM:0Kb";
};

// Sizes of the three interval-log files in whole kilobytes; a cdxlog.csv that
// cannot be opened counts as -1.
struct IntervalLogSizes {
    std::int64_t txtKb = 0;
    std::int64_t htmKb = 0;
    std::int64_t csvKb = 0;
};

// Measures the log files afresh on every call and keeps the size labels.
class LogSizeMonitor {
public:
    LogSizeMonitor(const LogPaths& paths, const LogFileMeter& meter) : m_paths(paths), m_meter(meter) {}

    // Measure cdxlog.txt, cdxlog.htm and cdxlog.csv in that order, setting
    // each label as it goes. A missing or locked cdxlog.txt or cdxlog.htm
    // throws LogFileError (the labels measured before it are set); a
    // cdxlog.csv that cannot be opened reads "CSV: File Locked".
    IntervalLogSizes measureIntervalLog();
    // The same for the two warning-log and the two up-and-down files.
    void measureWarningLog();
    void measureUpDownLog();

    const LogSizeLabels& labels() const { return m_labels; }
    // Called whenever a label changed.
    void setOnLabelsChanged(std::function<void()> handler) { m_onChanged = std::move(handler); }

    // "TXT:" and 12345 bytes give "TXT:12Kb".
    static std::string sizeLabel(const std::string& prefix, std::uintmax_t bytes);

private:
    std::uintmax_t measureInto(const std::string& path, const std::string& prefix, std::string& label);
    void changed();

    const LogPaths& m_paths;
    const LogFileMeter& m_meter;
    LogSizeLabels m_labels;
    std::function<void()> m_onChanged;
};

} // namespace cdx
