#include "alarms/AlarmActions.h"

#include <filesystem>
#include <system_error>
#include <vector>

#include "alarms/AlarmNotices.h"
#include "alarms/AlarmSettings.h"
#include "alarms/AlarmSound.h"
#include "alarms/AlarmWindow.h"
#include "alarms/WarningDialogControl.h"
#include "alarms/WarningPrompt.h"
#include "platform/Shell.h"
#include "platform/Timer.h"
#include "settings/Settings.h"

namespace cdx {

namespace {

// A run or wave path is used only when it names an existing file.
bool fileExists(const std::string& path)
{
    if (path.empty()) {
        return false;
    }
    std::error_code error;
    return std::filesystem::is_regular_file(std::filesystem::path(path), error);
}

} // namespace

void AlarmActions::run(Alarm alarm, const AlarmMessage& message)
{
    const AlarmKind kind = kindOf(alarm);
    const AlarmActionSettings actions = alarmActionSettings(m_parts.settings, alarm);
    if (m_notices != nullptr) {
        m_notices->raised(alarm, message.log);
    }

    if (kind == AlarmKind::Temperature) {
        leaveStayOnTopIfFullView();
    }
    if (kind == AlarmKind::Fan) {
        writeLog(message.log);
    }
    if (actions.run && fileExists(actions.runPath)) {
        executeFile(actions.runPath, {}, {});
    }
    if (kind == AlarmKind::Voltage) {
        leaveStayOnTopIfFullView();
    }
    if (actions.wave && fileExists(actions.wavePath)) {
        m_parts.sound.playWave(actions.wavePath);
    }
    if (actions.pcSpeaker) {
        m_parts.toneTimer.setEnabled(true);
    }
    if (actions.showMessage) {
        m_parts.window.showTaskbarButton(true);
        m_parts.dialogControl.setAlarm(alarm);
        m_parts.dialog.showModal(message.dialog);
        if (m_parts.window.isHidden()) {
            m_parts.window.showTaskbarButton(false);
            m_parts.window.processPendingMessages();
        }
    }
    if (kind == AlarmKind::Voltage) {
        returnToStayOnTopIfSmallView();
    }
    if (kind != AlarmKind::Fan) {
        writeLog(message.log);
    }
    m_parts.toneTimer.setEnabled(false);
    m_parts.sound.stopSound();
    if (kind == AlarmKind::Temperature) {
        returnToStayOnTopIfSmallView();
    }
}

void AlarmActions::executeFile(const std::string& file, const std::string& parameters, const std::string& directory)
{
    std::vector<std::string> arguments;
    if (!parameters.empty()) {
        arguments.push_back(parameters);
    }
    m_parts.shell.execute(file, arguments, directory, ShowCommand::Show);
}

void AlarmActions::writeLog(const std::string& line)
{
    if (m_parts.settings.warningLogEnabled && m_parts.writeErrorLog) {
        m_parts.writeErrorLog(line);
    }
}

void AlarmActions::leaveStayOnTopIfFullView()
{
    if (m_parts.window.width() > kSmallViewWidth) {
        m_parts.window.setStayOnTop(false);
    }
}

void AlarmActions::returnToStayOnTopIfSmallView()
{
    if (m_parts.window.width() < kFullViewWidth) {
        m_parts.window.setStayOnTop(true);
    }
}

} // namespace cdx
