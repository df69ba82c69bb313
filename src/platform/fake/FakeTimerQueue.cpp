#include "platform/fake/FakeTimerQueue.h"

#include <algorithm>

#include "platform/fake/FakeTimer.h"

namespace cdx {

FakeTimerQueue::FakeTimerQueue() = default;

FakeTimerQueue::~FakeTimerQueue() = default;

std::unique_ptr<Timer> FakeTimerQueue::createTimer()
{
    auto timer = std::make_unique<FakeTimer>(*this);
    m_timers.push_back(timer.get());
    return timer;
}

void FakeTimerQueue::remove(FakeTimer* timer)
{
    m_timers.erase(std::remove(m_timers.begin(), m_timers.end(), timer), m_timers.end());
}

void FakeTimerQueue::advance(std::int64_t milliseconds)
{
    const std::int64_t end = m_now + milliseconds;
    for (;;) {
        FakeTimer* next = nullptr;
        for (FakeTimer* timer : m_timers) {
            if (timer->willTick() && timer->due() <= end && (next == nullptr || timer->due() < next->due())) {
                next = timer;
            }
        }
        if (next == nullptr) {
            break;
        }
        m_now = std::max(m_now, next->due());
        next->fire();
    }
    m_now = std::max(m_now, end);
}

} // namespace cdx
