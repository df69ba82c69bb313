#include "monitor/MonitorTimers.h"

#include "platform/Beeper.h"

namespace cdx {

namespace {
constexpr unsigned kTimerClockHz = 1193181;
constexpr int kToneMs = 500;
} // namespace

MonitorTimers::MonitorTimers(TimerFactory& factory, Beeper& beeper)
    : m_beeper(beeper), m_pollTimer(factory.createTimer()), m_swapTimer(factory.createTimer()),
      m_logTimer(factory.createTimer()), m_toneTimer(factory.createTimer())
{
    m_pollTimer->setInterval(5000);
    m_swapTimer->setInterval(5000);
    m_swapTimer->setEnabled(true);
    m_logTimer->setInterval(60000);
    m_toneTimer->setInterval(kToneMs);
    m_toneTimer->setOnTick([this] { toneTick(); });
}

void MonitorTimers::setHandlers(Handlers handlers)
{
    m_handlers = std::move(handlers);
    m_pollTimer->setOnTick([this] { run(m_handlers.poll); });
    m_swapTimer->setOnTick([this] { run(m_handlers.swap); });
}

void MonitorTimers::run(const std::function<void()>& f)
{
    if (f) {
        f();
    }
}

void MonitorTimers::startUp(int pollInterval, int swapInterval, const std::function<void()>& beforePolling)
{
    m_pollTimer->setInterval(pollInterval);
    m_swapTimer->setInterval(swapInterval);
    run(m_handlers.poll);
    if (m_swapTimer->enabled()) {
        run(m_handlers.swap);
    }
    if (m_logTimer->enabled()) {
        run(m_handlers.logEntry);
    }
    run(beforePolling);
    m_pollTimer->setEnabled(true);
}

void MonitorTimers::suspend()
{
    if (m_suspended) {
        return;
    }
    m_suspended = true;
    m_pollTimer->setEnabled(false);
    m_swapWasEnabled = m_swapTimer->enabled();
    m_swapTimer->setEnabled(false);
}

void MonitorTimers::stopAll()
{
    suspend();
    m_stopped = true;
    m_logTimer->setEnabled(false);
    m_toneTimer->setEnabled(false);
}

void MonitorTimers::resume(const std::function<void()>& restore)
{
    if (!m_suspended || m_stopped) {
        return;
    }
    m_suspended = false;
    m_pollTimer->setEnabled(true);
    m_swapTimer->setEnabled(m_swapWasEnabled);
    run(restore);
    run(m_handlers.poll);
    run(m_handlers.swap);
}

void MonitorTimers::toneTick()
{
    const int divisor = m_handlers.speakerDivisor ? m_handlers.speakerDivisor() : 500;
    // A divisor of 0 cannot come from the slider; sound nothing rather than divide by it.
    if (divisor > 0) {
        m_beeper.beep((kTimerClockHz / static_cast<unsigned>(divisor)) & 0xFFFFu, kToneMs);
    }
}

} // namespace cdx
