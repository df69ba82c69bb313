#pragma once

#include <string>

namespace cdx {

struct Settings;

// What one alarm does when it fires, as its settings group holds it.
struct AlarmActionSettings {
    bool run = false; // "... Alarm Run" ("Fan1 Alarm" for the fans)
    std::string runPath;
    bool wave = false; // "... Alarm Wave" / "... Alarm Play"
    std::string wavePath;
    bool pcSpeaker = false;   // "... PC Speaker"
    bool showMessage = false; // "... Show Alarm Msg"
};

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
