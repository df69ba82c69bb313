#include "alarms/WarningDialogControl.h"

#include "alarms/AlarmSettings.h"
#include "alarms/AlarmSound.h"
#include "platform/Timer.h"

namespace cdx {

void WarningDialogControl::dialogShown()
{
    m_parts.pollTimer.setEnabled(false);
}

void WarningDialogControl::enableAlarm()
{
    if (m_alarm) {
        alarmEnableSwitch(m_parts.settings, *m_alarm) = true;
    }
}

void WarningDialogControl::dialogClosed()
{
    if (!(m_parts.pollingSuspended && m_parts.pollingSuspended())) {
        m_parts.pollTimer.setEnabled(true);
    }
    if (m_parts.redrawTray) {
        m_parts.redrawTray();
    }
    m_parts.toneTimer.setEnabled(false);
    m_parts.sound.stopSound();
    m_parts.sound.playWave({});
}

} // namespace cdx
