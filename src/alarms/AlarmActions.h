#pragma once

#include <functional>
#include <string>

#include "alarms/AlarmTexts.h"
#include "sensors/Alarm.h"

namespace cdx {

class AlarmNotices;
class AlarmSound;
class AlarmWindow;
class Shell;
class Timer;
class WarningPrompt;
class WarningDialogControl;
struct Settings;

// What a fired alarm does, in this order: the window style around the dialog,
// the program, the wave, the speaker tone, the modal Warning dialog and the
// warning-log line. The alarm has already switched itself off.
class AlarmActions {
public:
    // The main window's width in its small view and its full view.
    static constexpr int kSmallViewWidth = 112;
    static constexpr int kFullViewWidth = 572;

    struct Parts {
        const Settings& settings;
        AlarmWindow& window;
        Shell& shell;
        AlarmSound& sound;
        Timer& toneTimer; // the alarm tone
        WarningPrompt& dialog;
        WarningDialogControl& dialogControl;
        // Appends a line to the warning log (writeErrorLog); called only while
        // "Write Errors" is set.
        std::function<void(const std::string&)> writeErrorLog;
    };

    explicit AlarmActions(Parts parts) : m_parts(std::move(parts)) {}

    // Told of every alarm raised, before its actions run (the Warning dialog
    // waits for the user). Not owned; none: no notices.
    void attachNotices(AlarmNotices* notices) { m_notices = notices; }

    // Runs the actions of an alarm that fired.
    void run(Alarm alarm, const AlarmMessage& message);

    // Opens `file` with its default action: a program is started with the
    // parameters as its arguments, never through a command interpreter; a
    // document opens in the desktop's program for it. Failures are ignored.
    void executeFile(const std::string& file, const std::string& parameters, const std::string& directory);

private:
    void writeLog(const std::string& line);
    void leaveStayOnTopIfFullView();
    void returnToStayOnTopIfSmallView();

    Parts m_parts;
    AlarmNotices* m_notices = nullptr;
};

} // namespace cdx
