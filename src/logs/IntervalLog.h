#pragma once

#include <functional>
#include <memory>

#include "logs/IntervalLogNames.h"
#include "logs/IntervalLogSnapshot.h"
#include "logs/LogServices.h"
#include "platform/Timer.h"
#include "settings/Settings.h"

namespace cdx {

// The interval log: cdxlog.txt, cdxlog.htm and cdxlog.csv, one row of all
// readings every "Log File Interval" milliseconds while the log is switched
// on. Drives the log's timer (Timer3) and the switch that starts and stops it.
class IntervalLog {
public:
    // Reads what the window shows at this moment.
    using SnapshotSource = std::function<IntervalLogSnapshot()>;
    // Tells whether polling is active (the poll timer is enabled).
    using PollingActive = std::function<bool()>;

    // `timer` is the window's log timer (Timer3); this class sets its interval
    // and tick and switches it on and off.
    IntervalLog(const LogServices& services, Settings& settings, Timer& timer, SnapshotSource snapshot,
                PollingActive pollingActive);

    // Start-up: creates each of the three files that does not exist, with its
    // header. Existing files are left as they are.
    void createMissingFiles();

    // Create one file from empty with its header (names as they are now).
    // Throw LogFileError.
    void writeIntervalLogStart();
    void writeIntervalLogStartHtml();
    void writeIntervalLogStartCsv();

    // Appends one row to each selected format, then runs checkLogFileSize. A
    // cdxlog.csv that cannot be opened is skipped silently; a missing or
    // locked cdxlog.txt or cdxlog.htm ends the entry with an error message.
    void writeStandardLogEntry();

    // Measures the three files, updates their labels and stops the log when
    // one of them has reached "Log File Size Max" (whether its format is
    // selected or not).
    void checkLogFileSize();

    // The box "Write Interval Log" (and the popup items "Start Interval Log"
    // and "Stop Interval Log", which check and clear it). Switching on while
    // polling is active writes one entry at once. At start-up, setting the
    // loaded "Log File" value only starts the timer; no entry is written.
    // The timer takes the "Log File Interval" in force.
    void setLogging(bool on);
    bool logging() const { return m_settings.intervalLogEnabled; }
    bool startItemEnabled() const { return !logging(); }
    bool stopItemEnabled() const { return logging(); }
    // The interval spin control and its label.
    bool intervalControlsEnabled() const { return logging(); }
    // Called after the switch changed, also when the size limit cleared it.
    void setOnLoggingChanged(std::function<void()> handler) { m_onLoggingChanged = std::move(handler); }

    // Applies a new "Log File Interval" to the timer at once.
    void setInterval(int milliseconds);

    // A pause of the monitor stops the timer; the resume lets it run again
    // exactly when the log is switched on.
    void suspend();
    void resume();

private:
    // Writes the row to every format switched on; false when one failed.
    bool writeEntry();
    void checkSizes();
    void showError(const std::exception& error);

    const LogServices& m_services;
    Settings& m_settings;
    Timer& m_timer;
    SnapshotSource m_snapshot;
    PollingActive m_pollingActive;
    std::function<void()> m_onLoggingChanged;
    bool m_suspended = false;
};

} // namespace cdx
