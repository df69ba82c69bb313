#include "alarms/AlarmNotices.h"

#include "alarms/AlarmSettings.h"
#include "platform/DesktopNotifications.h"
#include "settings/Settings.h"

namespace cdx {

namespace {

constexpr std::size_t slot(Alarm alarm)
{
    return static_cast<std::size_t>(alarm);
}

} // namespace

void AlarmNotices::raised(Alarm alarm, const std::string& logText)
{
    if (!m_settings.desktopNotifications) {
        return;
    }
    const std::size_t i = slot(alarm);
    m_raisedThisPoll[i] = true;
    if (m_shown[i] && m_text[i] == logText) {
        return; // the notice up says it already
    }
    m_notifications.show(static_cast<int>(alarm),
                         DesktopNotice{Summary, logText, kindOf(alarm) == AlarmKind::Temperature});
    m_shown[i] = true;
    m_text[i] = logText;
}

void AlarmNotices::pollEnded()
{
    for (Alarm alarm :
         {Alarm::WB1, Alarm::LM75, Alarm::Voltage, Alarm::Fan1, Alarm::Fan2, Alarm::Fan3, Alarm::WB2, Alarm::WB3}) {
        const std::size_t i = slot(alarm);
        if (m_shown[i] && !m_raisedThisPoll[i] && alarmEnableSwitch(m_settings, alarm)) {
            m_notifications.close(static_cast<int>(alarm));
            m_shown[i] = false;
        }
        m_raisedThisPoll[i] = false;
    }
}

bool AlarmNotices::shown(Alarm alarm) const
{
    return m_shown[slot(alarm)];
}

} // namespace cdx
