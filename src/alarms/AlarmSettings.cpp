#include "alarms/AlarmSettings.h"

#include "alarms/AlarmSource.h"
#include "settings/Settings.h"

namespace cdx {

AlarmActionSettings alarmActionSettings(const Settings& s, int alarmSource)
{
    switch (alarmSource) {
    case AlarmWB1:
        return {s.mbAlarmRun, s.mbAlarmPath, s.mbAlarmWave, s.mbAlarmWavePath, s.mbPcSpeaker, s.mbShowAlarmMsg};
    case AlarmLM75:
        return {s.cpuAlarmRun, s.cpuAlarmPath, s.cpuAlarmWave, s.cpuAlarmWavePath, s.cpuPcSpeaker, s.cpuShowAlarmMsg};
    case AlarmWB2:
        return {s.wb2AlarmRun, s.wb2AlarmPath, s.wb2AlarmWave, s.wb2AlarmWavePath, s.wb2PcSpeaker, s.wb2ShowAlarmMsg};
    case AlarmWB3:
        return {s.wb3AlarmRun, s.wb3AlarmPath, s.wb3AlarmWave, s.wb3AlarmWavePath, s.wb3PcSpeaker, s.wb3ShowAlarmMsg};
    case AlarmVoltage:
        return {s.voltageAlarmRun,      s.voltageAlarmPath, s.voltageAlarmWave,
                s.voltageAlarmWavePath, s.voltagePcSpeaker, s.voltageShowAlarmMsg};
    case AlarmFan1:
        return {s.fan1AlarmRun,      s.fan1AlarmPath, s.fan1AlarmWave,
                s.fan1AlarmWavePath, s.fan1PcSpeaker, s.fan1ShowAlarmMsg};
    case AlarmFan2:
        return {s.fan2AlarmRun,      s.fan2AlarmPath, s.fan2AlarmWave,
                s.fan2AlarmWavePath, s.fan2PcSpeaker, s.fan2ShowAlarmMsg};
    case AlarmFan3:
        return {s.fan3AlarmRun,      s.fan3AlarmPath, s.fan3AlarmWave,
                s.fan3AlarmWavePath, s.fan3PcSpeaker, s.fan3ShowAlarmMsg};
    default:
        return {};
    }
}

bool* alarmEnableSwitch(Settings& s, int alarmSource)
{
    switch (alarmSource) {
    case AlarmWB1:
        return &s.mbAlarmEnabled;
    case AlarmLM75:
        return &s.cpuAlarmEnabled;
    case AlarmVoltage:
        return &s.voltageAlarmEnabled;
    case AlarmFan1:
        return &s.fan1AlarmEnabled;
    case AlarmFan2:
        return &s.fan2AlarmEnabled;
    case AlarmFan3:
        return &s.fan3AlarmEnabled;
    case AlarmWB2:
        return &s.wb2AlarmEnabled;
    case AlarmWB3:
        return &s.wb3AlarmEnabled;
    default:
        return nullptr;
    }
}

bool pcSpeakerBoxEnabled(const Settings& settings, int alarmSource)
{
    return alarmActionSettings(settings, alarmSource).showMessage;
}

} // namespace cdx
