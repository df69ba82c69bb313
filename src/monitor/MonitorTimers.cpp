#include "monitor/MonitorTimers.h"

#include "platform/Beeper.h"

namespace cdx {

namespace {
constexpr unsigned kTimerClockHz = 1193181;
constexpr int kToneMs = 500;
} // namespace

MonitorTimers::MonitorTimers(TimerFactory& factory, PlatformFamily family, Beeper& beeper)
    : m_family(family), m_beeper(beeper), m_timer1(factory.createTimer()), m_timer2(factory.createTimer()),
      m_timer3(factory.createTimer()), m_timer4(factory.createTimer())
{
    m_timer1->setInterval(5000);
    m_timer2->setInterval(5000);
    m_timer2->setEnabled(true);
    m_timer3->setInterval(60000);
    m_timer4->setInterval(kToneMs);
    m_timer4->setOnTick([this] { Timer4Timer(); });
}

void MonitorTimers::setHandlers(Handlers handlers)
{
    m_handlers = std::move(handlers);
    m_timer1->setOnTick([this] { run(m_handlers.poll); });
    m_timer2->setOnTick([this] { run(m_handlers.swap); });
}

void MonitorTimers::run(const std::function<void()>& f)
{
    if (f) {
        f();
    }
}

void MonitorTimers::startUp(int pollInterval, int swapInterval, const std::function<void()>& beforePolling)
{
    m_timer1->setInterval(pollInterval);
    m_timer2->setInterval(swapInterval);
    run(m_handlers.poll);
    if (m_timer2->enabled()) {
        run(m_handlers.swap);
    }
    if (m_timer3->enabled()) {
        run(m_handlers.logEntry);
    }
    run(beforePolling);
    m_timer1->setEnabled(true);
}

void MonitorTimers::suspend()
{
    if (m_suspended) {
        return;
    }
    m_suspended = true;
    m_timer1->setEnabled(false);
    m_timer2WasEnabled = m_timer2->enabled();
    m_timer2->setEnabled(false);
}

void MonitorTimers::resume(const std::function<void()>& restore)
{
    if (!m_suspended) {
        return;
    }
    m_suspended = false;
    m_timer1->setEnabled(true);
    m_timer2->setEnabled(m_timer2WasEnabled);
    run(restore);
    run(m_handlers.poll);
    run(m_handlers.swap);
}

void MonitorTimers::Timer4Timer()
{
    if (m_family == PlatformFamily::WindowsNT) {
        const int divisor = m_handlers.speakerDivisor ? m_handlers.speakerDivisor() : 500;
        // A divisor of 0 cannot come from the slider; sound nothing rather than divide by it.
        if (divisor > 0) {
            m_beeper.beep((kTimerClockHz / static_cast<unsigned>(divisor)) & 0xFFFFu, kToneMs);
        }
        return;
    }
    m_speakerToggle = !m_speakerToggle;
    run(m_speakerToggle ? m_handlers.stopSound : m_handlers.startSound);
}

} // namespace cdx
