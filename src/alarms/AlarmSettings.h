#pragma once

#include <string>

#include "settings/Settings.h"

namespace cdx {

// The action settings of the alarm with the given AlarmSource (1 to 8);
// nothing switched on for any other number.
AlarmActionSettings alarmActionSettings(const Settings& settings, int alarmSource);

// The "Enable Alarm" switch of the alarm with the given AlarmSource: "MB Alarm",
// "CPU Alarm", "Voltage Alarm", "Fan1 Check" to "Fan3 Check", "WB Sensor 2
// Alarm", "WB Sensor 3 Alarm"; null for any other number.
bool* alarmEnableSwitch(Settings& settings, int alarmSource);

// A group's "PC Speaker" box is enabled only while its "Show Msg" box is
// checked: without the message the tone would stop as soon as it started.
bool pcSpeakerBoxEnabled(const Settings& settings, int alarmSource);

} // namespace cdx
