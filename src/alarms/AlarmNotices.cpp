#include "alarms/AlarmNotices.h"

#include "alarms/AlarmSettings.h"
#include "platform/DesktopNotifications.h"
#include "settings/Settings.h"

namespace cdx {

namespace {

bool valid(int alarmSource)
{
    return alarmSource >= AlarmWB1 && alarmSource <= AlarmWB3;
}

} // namespace

void AlarmNotices::raised(AlarmKind kind, int alarmSource, const std::string& logText)
{
    if (!valid(alarmSource) || !m_settings.desktopNotifications) {
        return;
    }
    const auto i = static_cast<std::size_t>(alarmSource);
    m_raisedThisPoll[i] = true;
    if (m_shown[i] && m_text[i] == logText) {
        return; // the notice up says it already
    }
    m_notifications.show(alarmSource, DesktopNotice{Summary, logText, kind == AlarmKind::Temperature});
    m_shown[i] = true;
    m_text[i] = logText;
}

void AlarmNotices::pollEnded()
{
    for (int source = AlarmWB1; source <= AlarmWB3; ++source) {
        const auto i = static_cast<std::size_t>(source);
        const bool* armed = alarmEnableSwitch(m_settings, source);
        if (m_shown[i] && !m_raisedThisPoll[i] && armed != nullptr && *armed) {
            m_notifications.close(source);
            m_shown[i] = false;
        }
        m_raisedThisPoll[i] = false;
    }
}

bool AlarmNotices::shown(int alarmSource) const
{
    return valid(alarmSource) && m_shown[static_cast<std::size_t>(alarmSource)];
}

} // namespace cdx
