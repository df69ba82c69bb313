#pragma once

#include <functional>
#include <optional>
#include <string>

#include "sensors/TemperatureText.h"

namespace cdx {

class SensorSwitches;
struct Settings;

// The kinds of file an alarm group lets the user choose.
enum class AlarmFileKind { Program, Wave };

// What the settings pages need of the rest of the program. The pages edit the
// settings record (and, through the editor, the gauges); everything else they
// change goes through these calls, each of which may be left empty.
struct PageServices {
    Settings& settings;
    SensorSwitches& switches;
    // The unit, rounding and degree text the temperature labels use.
    std::function<TemperatureDisplay()> display;
    // One poll at once while polling runs.
    std::function<void()> pollIfActive;
    // The poll timer takes a new interval (ms).
    std::function<void(int)> setPollInterval;
    // Sounds the PC speaker tone of a divisor of the timer clock, once.
    std::function<void(int)> testSpeaker;
    // The popup menu shows or hides its log items.
    std::function<void(bool)> setLogItemsVisible;
    // "Run on startup" was set to this state; the autorun entry follows.
    // Returns whether it does.
    std::function<bool(bool)> runOnStartup;
    // The +3.3 rail's nominal value changed: its captions elsewhere follow.
    std::function<void()> plus33Changed;
    // The degree text or "Round °F" changed: the gauges' labels follow.
    std::function<void()> temperatureTextChanged;
    // A sensor switch changed state: the tray boxes and gauges follow.
    std::function<void()> switchesChanged;
    // Tells the user something went wrong (a plain message box).
    std::function<void(const std::string&)> showMessage;
    // Asks the user for a file; none when cancelled. `current` is the stored
    // path. Empty: a file dialog.
    std::function<std::optional<std::string>(AlarmFileKind, const std::string& current)> chooseFile;
};

} // namespace cdx
