#pragma once

#include <functional>
#include <string>
#include <vector>

#include "logs/IntervalLog.h"
#include "logs/LogServices.h"
#include "logs/UpDownLog.h"
#include "logs/WarningLog.h"
#include "platform/RecycleBin.h"
#include "platform/Shell.h"
#include "platform/ShowCommand.h"
#include "settings/Settings.h"

namespace cdx {

// The three groups of log files.
enum class LogGroup { Interval, Warning, UpDown };

// The seven log files, one per view button.
enum class LogFile { IntervalTxt, IntervalHtm, IntervalCsv, WarningTxt, WarningHtm, UpDownTxt, UpDownHtm };

// The upkeep of the log files on the Log tab: viewing a file in the program
// the desktop associates with it, erasing a group into the wastebasket and
// recreating it, and the interval and size-limit spin controls.
class LogMaintenance {
public:
    static constexpr int MinuteMs = 60000;
    static constexpr int MaxIntervalMs = 12000000; // 200 minutes
    static constexpr int LimitStepKb = 4;
    static constexpr int MaxLimitKb = 1000;

    LogMaintenance(const LogServices& services, Settings& settings, IntervalLog& intervalLog, WarningLog& warningLog,
                   UpDownLog& upDownLog, Shell& shell, RecycleBin& recycleBin);

    // A view button (the popup item "View Log" views cdxlog.txt): opens the
    // file without checking that it exists.
    void viewLog(LogFile file);
    static ShowCommand viewShowCommand(LogFile file);
    std::string path(LogFile file) const;

    // An erase button (the popup item "Erase Log" erases the interval log):
    // asks first; on Yes moves the group's files to the wastebasket, creates
    // them anew with their initial content and measures them. A file that
    // cannot be moved to the wastebasket is kept as it is and reported.
    void eraseLog(LogGroup group);
    static std::string eraseQuestion(LogGroup group);

    // Moves one file to the wastebasket; false when it could not be moved.
    bool deleteFileWithUndo(const std::string& path);

    // The interval spin control: one minute per step, 1 to 200 minutes.
    void intervalUp();
    void intervalDown();
    std::string intervalLabel() const;

    // The size-limit spin control: 4 KB per step, 0 to 1000 KB.
    void limitUp();
    void limitDown();
    std::string limitLabel() const;

private:
    struct GroupFile {
        LogFile file;
        std::function<void()> recreate;
    };
    std::vector<GroupFile> groupFiles(LogGroup group);
    void checkSizes(LogGroup group);

    const LogServices& m_services;
    Settings& m_settings;
    IntervalLog& m_intervalLog;
    WarningLog& m_warningLog;
    UpDownLog& m_upDownLog;
    Shell& m_shell;
    RecycleBin& m_recycleBin;
};

} // namespace cdx
