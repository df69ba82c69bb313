#pragma once

#include <functional>

#include <QTimer>

#include "platform/Timer.h"

namespace cdx {

// A window timer on the Qt event loop.
class QtTimer : public Timer {
public:
    QtTimer();

    void setInterval(int milliseconds) override;
    int interval() const override { return m_interval; }
    void setEnabled(bool enabled) override;
    bool enabled() const override { return m_enabled; }
    void setOnTick(std::function<void()> handler) override { m_handler = std::move(handler); }

private:
    void apply();

    QTimer m_timer;
    int m_interval = 1000;
    bool m_enabled = false;
    std::function<void()> m_handler;
};

} // namespace cdx
