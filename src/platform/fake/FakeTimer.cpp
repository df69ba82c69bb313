#include "platform/fake/FakeTimer.h"

#include "platform/fake/FakeTimerQueue.h"

namespace cdx {

FakeTimer::FakeTimer(FakeTimerQueue& queue) : m_queue(queue)
{
}

FakeTimer::~FakeTimer()
{
    m_queue.remove(this);
}

void FakeTimer::setInterval(int milliseconds)
{
    m_interval = milliseconds;
    if (m_enabled) {
        restart();
    }
}

void FakeTimer::setEnabled(bool enabled)
{
    if (enabled && !m_enabled) {
        m_enabled = true;
        restart();
    } else if (!enabled) {
        m_enabled = false;
    }
}

void FakeTimer::restart()
{
    m_due = m_queue.now() + m_interval;
}

void FakeTimer::fire()
{
    m_due = m_queue.now() + m_interval;
    ++m_ticks;
    if (m_handler) {
        // The handler may destroy or reconfigure this timer; copy it first.
        auto handler = m_handler;
        handler();
    }
}

} // namespace cdx
