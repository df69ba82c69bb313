#pragma once

#include <memory>
#include <string>

#include "LogTestFiles.h"
#include "logs/IntervalLog.h"
#include "logs/IntervalLogNames.h"
#include "logs/LogFileAppender.h"
#include "logs/LogFileMeter.h"
#include "logs/LogMaintenance.h"
#include "logs/LogPaths.h"
#include "logs/LogServices.h"
#include "logs/LogSizeMonitor.h"
#include "logs/UpDownLog.h"
#include "logs/WarningLog.h"
#include "platform/fake/FakeClock.h"
#include "platform/fake/FakeFileLockProbe.h"
#include "platform/fake/FakeFileOpener.h"
#include "platform/fake/FakeMessageBox.h"
#include "platform/fake/FakeProgramLocation.h"
#include "platform/fake/FakeRecycleBin.h"
#include "platform/fake/FakeShell.h"
#include "platform/fake/FakeTimerQueue.h"
#include "settings/Settings.h"

namespace cdx::test {

// Every log class wired to fakes in a temporary program directory.
struct LogHarness {
    TempFolder folder;
    FakeProgramLocation location{folder.path()};
    LogPaths paths = LogPaths::of(location);
    FakeFileLockProbe locks;
    FakeFileOpener opener;
    LogFileAppender files{locks, opener};
    LogFileMeter meter{locks, opener};
    LogSizeMonitor sizes{paths, meter};
    FakeClock clock;
    RegionalFormats formats;
    FakeMessageBox messages;
    LogServices services{paths, files, sizes, clock, formats, messages};
    Settings options;
    FakeTimerQueue timers;
    std::unique_ptr<Timer> logTimer = timers.createTimer();
    bool pollingActive = true;
    IntervalLogSnapshot window = defaultWindow();
    IntervalLog intervalLog{services, options, *logTimer, [this] { return window; }, [this] { return pollingActive; }};
    WarningLog warningLog{services, options};
    UpDownLog upDownLog{services, options};
    FakeShell shell;
    FakeRecycleBin recycleBin;
    LogMaintenance maintenance{services, options, intervalLog, warningLog, upDownLog, shell, recycleBin};

    LogHarness()
    {
        intervalLog.createMissingFiles();
        warningLog.createMissingFiles();
        upDownLog.createMissingFiles();
    }

    static IntervalLogSnapshot defaultWindow()
    {
        IntervalLogSnapshot w;
        w.cpuSpeedMhz = 451;
        w.lm75Gauge = "45°C";
        w.wb1Gauge = "31°C";
        w.wb2Gauge = "28°C";
        w.wb3Gauge = "-1°C";
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
};

} // namespace cdx::test
