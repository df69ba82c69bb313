#pragma once

#include <cstdint>
#include <functional>

#include "platform/Timer.h"

namespace cdx {

class FakeTimerQueue;

// A timer of a FakeTimerQueue. It must not outlive its queue.
class FakeTimer : public Timer {
public:
    explicit FakeTimer(FakeTimerQueue& queue);
    ~FakeTimer() override;

    void setInterval(int milliseconds) override;
    int interval() const override { return m_interval; }
    void setEnabled(bool enabled) override;
    bool enabled() const override { return m_enabled; }
    void setOnTick(std::function<void()> handler) override { m_handler = std::move(handler); }

    // When the next tick is due, in the queue's virtual time.
    std::int64_t due() const { return m_due; }
    bool willTick() const { return m_enabled && m_interval > 0; }
    // Fires the handler and schedules the next tick.
    void fire();
    // How often the handler ran.
    int tickCount() const { return m_ticks; }

private:
    void restart();

    FakeTimerQueue& m_queue;
    int m_interval = 1000;
    bool m_enabled = false;
    std::int64_t m_due = 0;
    int m_ticks = 0;
    std::function<void()> m_handler;
};

} // namespace cdx
