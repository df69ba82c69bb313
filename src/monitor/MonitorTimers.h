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
// while Timer1 is enabled. The interval log drives Timer3 itself (its box
// switches it); this class only holds it and asks it at start-up.
class MonitorTimers {
public:
    struct Handlers {
        std::function<void()> poll;     // Timer1Timer
        std::function<void()> swap;     // Timer2Timer
        std::function<void()> logEntry; // one interval-log entry
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

    // Start-up, after the interval log has set up Timer3: the poll and swap
    // intervals, the first direct poll, one swap tick and one log tick when
    // their timers run, then `beforePolling` (the window and the tray icons
    // appear), Timer1 enabled last.
    void startUp(int pollInterval, int swapInterval, const std::function<void()>& beforePolling = {});

    // Suspend stops Timer1 and remembers and stops Timer2.
    void suspend();
    // Resume enables Timer1, gives Timer2 its former state, calls `restore`
    // (the tray icons and the interval log come back), then runs one poll and
    // one swap tick.
    void resume(const std::function<void()>& restore = {});

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
    bool m_speakerToggle = false;
};

} // namespace cdx
