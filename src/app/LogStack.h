#pragma once

#include "logs/IntervalLog.h"
#include "logs/LogFileAppender.h"
#include "logs/LogFileMeter.h"
#include "logs/LogMaintenance.h"
#include "logs/LogPaths.h"
#include "logs/LogServices.h"
#include "logs/LogSizeMonitor.h"
#include "logs/UpDownLog.h"
#include "logs/WarningLog.h"
#include "ui/PopupMenu.h"

namespace cdx {

struct PlatformServices;
struct Settings;

// The three logs and their upkeep, over the program directory.
struct LogStack {
    LogStack(PlatformServices& platform, Settings& settings, Timer& logTimer, IntervalLog::SnapshotSource snapshot,
             IntervalLog::PollingActive pollingActive);

    // At start: the missing log files made, each file's size checked.
    void prepareFiles();
    // The tray menu's interval log items.
    PopupMenu::LogActions menuActions();

    LogPaths paths;
    LogFileAppender files;
    LogFileMeter meter;
    LogSizeMonitor sizes;
    LogServices services;
    IntervalLog intervalLog;
    WarningLog warningLog;
    UpDownLog upDownLog;
    LogMaintenance maintenance;
};

} // namespace cdx
