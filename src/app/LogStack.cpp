#include "app/LogStack.h"

#include "app/PlatformServices.h"

namespace cdx {

LogStack::LogStack(PlatformServices& platform, Settings& settings, Timer& logTimer,
                   IntervalLog::SnapshotSource snapshot, IntervalLog::PollingActive pollingActive)
    : paths(LogPaths::of(platform.location)), files(platform.locks, platform.files),
      meter(platform.locks, platform.files),
      sizes(paths, meter), services{paths, files, sizes, platform.clock, platform.formats, platform.messages},
      intervalLog(services, settings, logTimer, std::move(snapshot), std::move(pollingActive)),
      warningLog(services, settings), upDownLog(services, settings),
      maintenance(services, settings, intervalLog, warningLog, upDownLog, platform.shell, platform.trash)
{
}

void LogStack::prepareFiles()
{
    intervalLog.createMissingFiles();
    warningLog.createMissingFiles();
    upDownLog.createMissingFiles();
    intervalLog.checkLogFileSize();
    warningLog.checkWarningLogFileSize();
    upDownLog.checkUpDownLogFileSize();
}

PopupMenu::LogActions LogStack::menuActions()
{
    return {
        .start = [this] { intervalLog.setLogging(true); },
        .stop = [this] { intervalLog.setLogging(false); },
        .view = [this] { maintenance.viewLog(LogFile::IntervalTxt); },
        .erase = [this] { maintenance.eraseLog(LogGroup::Interval); },
        .logging = [this] { return intervalLog.logging(); },
    };
}

} // namespace cdx
