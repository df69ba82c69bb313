#pragma once

#include <functional>
#include <string>

#include "alarms/AlarmActions.h"
#include "alarms/AlarmEvaluator.h"
#include "alarms/AlarmTexts.h"
#include "alarms/WarningDialogControl.h"
#include "app/AlarmCounter.h"
#include "app/WindowAlarmAdapter.h"
#include "ui/WarningDialog.h"

namespace cdx {

class AlarmSound;
class MetricsRecorder;
class MonitorTimers;
class PollCycle;
struct PlatformServices;
struct Settings;

// The alarms: the evaluator that decides on each poll's readings, the
// actions of an alarm that fires, the Warning dialog and its control, and the
// counter the metrics show. The window is attached once it is made.
struct AlarmStack {
    struct Parts {
        PlatformServices& platform;
        Settings& settings;
        MonitorTimers& timers;
        AlarmSound& sound;
        MetricsRecorder& recorder;
        // The tray icons drawn again when the dialog closes.
        std::function<void()> redrawTray;
        // Appends a line to the warning log.
        std::function<void(const std::string&)> writeWarning;
    };

    explicit AlarmStack(Parts parts);

    AlarmStack(const AlarmStack&) = delete;
    AlarmStack& operator=(const AlarmStack&) = delete;

    // From now on every poll's readings are decided on.
    void listenTo(PollCycle& poll);

    WarningDialogControl dialogControl;
    WarningDialog dialog;
    WindowAlarmAdapter window;
    AlarmTexts texts;
    AlarmActions actions;
    AlarmEvaluator evaluator;
    AlarmCounter counter;
};

} // namespace cdx
