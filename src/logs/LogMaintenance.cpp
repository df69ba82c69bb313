#include "logs/LogMaintenance.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "logs/LogFileError.h"

namespace cdx {

LogMaintenance::LogMaintenance(const LogServices& services, Settings& settings, IntervalLog& intervalLog,
                               WarningLog& warningLog, UpDownLog& upDownLog, Shell& shell, RecycleBin& recycleBin)
    : m_services(services), m_settings(settings), m_intervalLog(intervalLog), m_warningLog(warningLog),
      m_upDownLog(upDownLog), m_shell(shell), m_recycleBin(recycleBin)
{
}

std::string LogMaintenance::path(LogFile file) const
{
    const LogPaths& p = m_services.paths;
    switch (file) {
    case LogFile::IntervalTxt:
        return p.intervalTxt;
    case LogFile::IntervalHtm:
        return p.intervalHtm;
    case LogFile::IntervalCsv:
        return p.intervalCsv;
    case LogFile::WarningTxt:
        return p.warningTxt;
    case LogFile::WarningHtm:
        return p.warningHtm;
    case LogFile::UpDownTxt:
        return p.upDownTxt;
    case LogFile::UpDownHtm:
        return p.upDownHtm;
    }
    return {};
}

ShowCommand LogMaintenance::viewShowCommand(LogFile file)
{
    switch (file) {
    case LogFile::IntervalHtm:
    case LogFile::WarningHtm:
    case LogFile::UpDownHtm:
        return ShowCommand::ShowMaximized;
    default:
        return ShowCommand::Show;
    }
}

void LogMaintenance::viewLog(LogFile file)
{
    m_shell.execute(path(file), {}, {}, viewShowCommand(file));
}

std::string LogMaintenance::eraseQuestion(LogGroup group)
{
    switch (group) {
    case LogGroup::Interval:
        return "Are you sure you want to erase the Log Files ?";
    case LogGroup::Warning:
        return "Are you sure you want to erase the Warning Log Files ?";
    case LogGroup::UpDown:
        return "Are you sure you want to erase the Up and Down Log files ?";
    }
    return {};
}

std::vector<LogMaintenance::GroupFile> LogMaintenance::groupFiles(LogGroup group)
{
    const LogFileAppender& files = m_services.files;
    const LogPaths& p = m_services.paths;
    switch (group) {
    case LogGroup::Interval:
        return {{LogFile::IntervalTxt, [this] { m_intervalLog.writeIntervalLogStart(); }},
                {LogFile::IntervalHtm, [this] { m_intervalLog.writeIntervalLogStartHtml(); }},
                {LogFile::IntervalCsv, [this] { m_intervalLog.writeIntervalLogStartCsv(); }}};
    case LogGroup::Warning:
        return {{LogFile::WarningTxt, [&files, &p] { files.create(p.warningTxt, ""); }},
                {LogFile::WarningHtm, [&files, &p] { files.create(p.warningHtm, WarningLog::htmHeader()); }}};
    case LogGroup::UpDown:
        return {{LogFile::UpDownTxt, [&files, &p] { files.create(p.upDownTxt, ""); }},
                {LogFile::UpDownHtm, [&files, &p] { files.create(p.upDownHtm, UpDownLog::htmHeader()); }}};
    }
    return {};
}

void LogMaintenance::eraseLog(LogGroup group)
{
    if (!m_services.messages.askYesNo(eraseQuestion(group))) {
        return;
    }
    const std::vector<GroupFile> files = groupFiles(group);
    std::vector<bool> kept(files.size(), false);
    std::string problems;
    for (std::size_t i = 0; i < files.size(); ++i) {
        const std::string filePath = path(files[i].file);
        std::error_code error;
        if (std::filesystem::exists(filePath, error) && !deleteFileWithUndo(filePath)) {
            // Emptying a file that did not reach the wastebasket would lose
            // its content for good.
            kept[i] = true;
            problems += "The log file " + filePath + " could not be moved to the trash; it was kept as it is.\n";
        }
    }
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (kept[i]) {
            continue;
        }
        try {
            files[i].recreate();
        } catch (const LogFileError& e) {
            problems += std::string(e.what()) + "\n";
        }
    }
    if (!problems.empty()) {
        problems.pop_back();
        m_services.messages.showError(problems);
    }
    checkSizes(group);
}

void LogMaintenance::checkSizes(LogGroup group)
{
    switch (group) {
    case LogGroup::Interval:
        m_intervalLog.checkLogFileSize();
        break;
    case LogGroup::Warning:
        m_warningLog.checkWarningLogFileSize();
        break;
    case LogGroup::UpDown:
        m_upDownLog.checkUpDownLogFileSize();
        break;
    }
}

bool LogMaintenance::deleteFileWithUndo(const std::string& path)
{
    return m_recycleBin.moveToTrash(path);
}

void LogMaintenance::intervalUp()
{
    if (m_settings.logInterval < MaxIntervalMs) {
        m_intervalLog.setInterval(std::min(m_settings.logInterval + MinuteMs, MaxIntervalMs));
    }
}

void LogMaintenance::intervalDown()
{
    if (m_settings.logInterval > MinuteMs) {
        m_intervalLog.setInterval(std::max(m_settings.logInterval - MinuteMs, MinuteMs));
    }
}

std::string LogMaintenance::intervalLabel() const
{
    return "Interval: " + std::to_string(m_settings.logInterval / MinuteMs) + " minutes";
}

void LogMaintenance::limitUp()
{
    if (m_settings.logSizeLimitKb < MaxLimitKb) {
        m_settings.logSizeLimitKb = std::min(m_settings.logSizeLimitKb + LimitStepKb, MaxLimitKb);
    }
}

void LogMaintenance::limitDown()
{
    if (m_settings.logSizeLimitKb > 0) {
        m_settings.logSizeLimitKb = std::max(m_settings.logSizeLimitKb - LimitStepKb, 0);
    }
}

std::string LogMaintenance::limitLabel() const
{
    return "Stop Writing at " + std::to_string(m_settings.logSizeLimitKb) + "Kb";
}

} // namespace cdx
