#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/TimerFactory.h"

namespace cdx {

class FakeTimer;

// Timers on virtual time. advance() fires every due tick in time order, so a
// test can run an hour of polls in milliseconds. A tick handler may itself call
// advance() (a modal wait); timers keep firing inside it.
class FakeTimerQueue : public TimerFactory {
public:
    FakeTimerQueue();
    ~FakeTimerQueue() override;

    std::unique_ptr<Timer> createTimer() override;

    // Moves virtual time forward by `milliseconds`, firing due ticks.
    void advance(std::int64_t milliseconds);
    std::int64_t now() const { return m_now; }

private:
    friend class FakeTimer;
    void remove(FakeTimer* timer);

    std::int64_t m_now = 0;
    std::vector<FakeTimer*> m_timers;
};

} // namespace cdx
