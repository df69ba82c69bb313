#pragma once

#include <string>

#include "sensors/Alarm.h"
#include "settings/Settings.h"

namespace cdx {

// The action settings of an alarm.
AlarmActionSettings alarmActionSettings(const Settings& settings, Alarm alarm);

// The "Enable Alarm" switch of an alarm: "MB Alarm", "CPU Alarm", "Voltage
// Alarm", "Fan1 Check" to "Fan3 Check", "WB Sensor 2 Alarm", "WB Sensor 3 Alarm".
bool& alarmEnableSwitch(Settings& settings, Alarm alarm);

// A group's "PC Speaker" box is enabled only while its "Show Msg" box is
// checked: without the message the tone would stop as soon as it started.
bool pcSpeakerBoxEnabled(const Settings& settings, Alarm alarm);

} // namespace cdx
