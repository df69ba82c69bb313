#pragma once

#include <functional>
#include <memory>

#include "platform/Timer.h"
#include "platform/TimerFactory.h"

namespace cdx {

class Beeper;

// The four window timers: the poll timer, the swap timer (cycles the tray
// icon), the log timer (writes the interval log) and the tone timer (sounds
// the alarm tone). Polling is active while the poll timer is enabled. The
// interval log drives the log timer itself (its box
// switches it); this class only holds it and asks it at start-up.
class MonitorTimers {
public:
    struct Handlers {
        std::function<void()> poll;     // one poll
        std::function<void()> swap;     // one swap tick of the tray icon
        std::function<void()> logEntry; // one interval-log entry
        // The "PC Speaker Freq" divisor of the 1193181 Hz timer clock.
        std::function<int()> speakerDivisor;
    };

    MonitorTimers(TimerFactory& factory, Beeper& beeper);

    void setHandlers(Handlers handlers);

    Timer& pollTimer() { return *m_pollTimer; } // Timer1
    Timer& swapTimer() { return *m_swapTimer; } // Timer2
    Timer& logTimer() { return *m_logTimer; }   // Timer3
    Timer& toneTimer() { return *m_toneTimer; } // Timer4

    bool pollingActive() const { return m_pollTimer->enabled(); }
    bool suspended() const { return m_suspended; }

    // Start-up, after the interval log has set up the log timer: the poll and swap
    // intervals, the first direct poll, one swap tick and one log tick when
    // their timers run, then `beforePolling` (the window and the tray icons
    // appear), the poll timer enabled last.
    void startUp(int pollInterval, int swapInterval, const std::function<void()>& beforePolling = {});

    // Suspend stops the poll timer and remembers and stops the swap timer.
    void suspend();
    // Resume enables the poll timer, gives the swap timer its former state, calls `restore`
    // (the tray icons and the interval log come back), then runs one poll and
    // one swap tick.
    void resume(const std::function<void()>& restore = {});

    // The program ends without saving (an uninstall): all four timers stop
    // for good, so no poll, swap, log entry or tone runs while files are
    // deleted; a later resume starts none of them.
    void stopAll();

    // One tone tick: a beep of the "PC Speaker Freq" tone.
    void toneTick(); // Timer4Timer

private:
    static void run(const std::function<void()>& f);

    Beeper& m_beeper;
    Handlers m_handlers;
    std::unique_ptr<Timer> m_pollTimer;
    std::unique_ptr<Timer> m_swapTimer;
    std::unique_ptr<Timer> m_logTimer;
    std::unique_ptr<Timer> m_toneTimer;
    bool m_suspended = false;
    bool m_stopped = false;
    bool m_swapWasEnabled = false;
};

} // namespace cdx
