#pragma once

#include <memory>

#include <QTemporaryDir>

#include "logs/IntervalLog.h"
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

namespace cdx {

// The logs of a screenshot scene, written into a temporary folder that goes
// with them, so the Log tab shows real sizes.
struct ScreenshotLogs {
    ScreenshotLogs(Settings& settings, Timer& logTimer, IntervalLog::SnapshotSource snapshot,
                   IntervalLog::PollingActive pollingActive)
        : intervalLog(services, settings, logTimer, std::move(snapshot), std::move(pollingActive)),
          warningLog(services, settings), upDownLog(services, settings),
          maintenance(services, settings, intervalLog, warningLog, upDownLog, shell, recycleBin)
    {
        intervalLog.createMissingFiles();
        warningLog.createMissingFiles();
        upDownLog.createMissingFiles();
    }

    QTemporaryDir folder;
    FakeProgramLocation location{folder.path().toStdString()};
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
    IntervalLog intervalLog;
    WarningLog warningLog;
    UpDownLog upDownLog;
    FakeShell shell;
    FakeRecycleBin recycleBin;
    LogMaintenance maintenance;
};

} // namespace cdx
