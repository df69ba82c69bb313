#pragma once

#include <functional>
#include <optional>

#include "sensors/Alarm.h"

namespace cdx {

class AlarmSound;
class Timer;
struct Settings;

// What the Warning dialog does around its wait: no poll runs while it is up,
// and its closing ends the tone and the wave and gives the poll back; its
// "OK & Enable Alarm" button switches on again the alarm it was shown for.
class WarningDialogControl {
public:
    struct Parts {
        Settings& settings;
        Timer& pollTimer; // the poll
        Timer& toneTimer; // the alarm tone
        AlarmSound& sound;
        // Gives tray icon 1 its popup menu and double-click action again and
        // redraws the tray icons.
        std::function<void()> redrawTray;
        // True while the user has polling suspended; the poll then stays off
        // when the dialog closes.
        std::function<bool()> pollingSuspended;
    };

    explicit WarningDialogControl(Parts parts) : m_parts(std::move(parts)) {}

    // The alarm the dialog is shown for.
    std::optional<Alarm> alarm() const { return m_alarm; }
    void setAlarm(Alarm alarm) { m_alarm = alarm; }

    // The dialog is shown: the poll timer stops.
    void dialogShown();
    // "OK & Enable Alarm": checks the enable switch of the alarm the dialog
    // is shown for (before any, nothing). The dialog then closes.
    void enableAlarm();
    // The dialog closes, by either button or its close box: the poll timer runs
    // again, the tray is redrawn, the tone stops and the wave is stopped.
    void dialogClosed();

private:
    Parts m_parts;
    std::optional<Alarm> m_alarm;
};

} // namespace cdx
