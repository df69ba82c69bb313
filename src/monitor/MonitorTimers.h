#pragma once

#include <functional>
#include <memory>

#include "platform/PlatformFamily.h"
#include "platform/Timer.h"
#include "platform/TimerFactory.h"

namespace cdx {

class Beeper;

// The four window timers: Timer1 polls, Timer2 swaps the tray icon, Timer3
// writes the interval log, Timer4 sounds the alarm tone. Polling is active
// while Timer1 is enabled.
class MonitorTimers {
public:
    struct Handlers {
        std::function<void()> poll;     // Timer1Timer
        std::function<void()> swap;     // Timer2Timer
        std::function<void()> logEntry; // Timer3Timer
        std::function<void()> startSound;
        std::function<void()> stopSound;
        // The "PC Speaker Freq" divisor of the 1193181 Hz timer clock.
        std::function<int()> speakerDivisor;
    };

    MonitorTimers(TimerFactory& factory, PlatformFamily family, Beeper& beeper);

    void setHandlers(Handlers handlers);

    Timer& timer1() { return *m_timer1; }
    Timer& timer2() { return *m_timer2; }
    Timer& timer3() { return *m_timer3; }
    Timer& timer4() { return *m_timer4; }

    bool pollingActive() const { return m_timer1->enabled(); }
    bool suspended() const { return m_suspended; }

    // Start-up: intervals from the settings, Timer3 on with "Log File", the
    // first direct poll, one swap tick and one log tick when their timers run,
    // Timer1 enabled last.
    void startUp(int pollInterval, int swapInterval, int logInterval, bool logFile);

    // Suspend stops Timer1 and remembers and stops Timer2 and Timer3.
    void suspend();
    // Resume enables Timer1, gives Timer2 and Timer3 their former state, calls
    // `restoreTray`, then runs one poll and one swap tick.
    void resume(const std::function<void()>& restoreTray = {});

    // The "Log File" box: enables or disables Timer3, writing one entry at once
    // when switched on while polling is active. While suspended the timer
    // follows the box at once and resume keeps the box's state.
    void setLogFile(bool on);

    // One tone tick.
    void Timer4Timer();

    bool speakerToggle() const { return m_speakerToggle; }

private:
    static void run(const std::function<void()>& f);

    PlatformFamily m_family;
    Beeper& m_beeper;
    Handlers m_handlers;
    std::unique_ptr<Timer> m_timer1;
    std::unique_ptr<Timer> m_timer2;
    std::unique_ptr<Timer> m_timer3;
    std::unique_ptr<Timer> m_timer4;
    bool m_suspended = false;
    bool m_timer2WasEnabled = false;
    bool m_timer3WasEnabled = false;
    bool m_speakerToggle = false;
};

} // namespace cdx
