#pragma once

#include <cstdint>

#include "platform/Clock.h"

namespace cdx {

// A clock that stands still until told to move. sleep() moves it.
class FakeClock : public Clock {
public:
    LocalDateTime now() const override { return m_now; }
    std::uint64_t tickCount() const override { return m_ticks; }
    void sleep(unsigned milliseconds) override
    {
        m_ticks += milliseconds;
        m_slept += milliseconds;
    }

    void setNow(const LocalDateTime& now) { m_now = now; }
    void advanceTicks(std::uint64_t milliseconds) { m_ticks += milliseconds; }
    std::uint64_t totalSlept() const { return m_slept; }

private:
    LocalDateTime m_now{2026, 12, 6, 14, 30, 15, 0};
    std::uint64_t m_ticks = 0;
    std::uint64_t m_slept = 0;
};

} // namespace cdx
