#include "alarms/WarningDialogControl.h"

#include "alarms/AlarmSettings.h"
#include "alarms/AlarmSound.h"
#include "platform/Timer.h"

namespace cdx {

void WarningDialogControl::FormShow()
{
    m_parts.timer1.setEnabled(false);
}

void WarningDialogControl::enableAlarm()
{
    if (bool* enabled = alarmEnableSwitch(m_parts.settings, m_alarmSource)) {
        *enabled = true;
    }
}

void WarningDialogControl::FormClose()
{
    if (!(m_parts.pollingSuspended && m_parts.pollingSuspended())) {
        m_parts.timer1.setEnabled(true);
    }
    if (m_parts.redrawTray) {
        m_parts.redrawTray();
    }
    m_parts.timer4.setEnabled(false);
    m_parts.sound.StopSound();
    m_parts.sound.PlayWave({});
}

} // namespace cdx
