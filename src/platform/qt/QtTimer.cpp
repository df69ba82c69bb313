#include "platform/qt/QtTimer.h"

namespace cdx {

QtTimer::QtTimer()
{
    m_timer.setTimerType(Qt::CoarseTimer);
    QObject::connect(&m_timer, &QTimer::timeout, [this] {
        if (m_handler) {
            auto handler = m_handler;
            handler();
        }
    });
}

void QtTimer::setInterval(int milliseconds)
{
    m_interval = milliseconds;
    apply();
}

void QtTimer::setEnabled(bool enabled)
{
    if (enabled == m_enabled) {
        return;
    }
    m_enabled = enabled;
    apply();
}

void QtTimer::apply()
{
    // An interval of 0 keeps the timer enabled but silent.
    if (m_enabled && m_interval > 0) {
        m_timer.start(m_interval);
    } else {
        m_timer.stop();
    }
}

} // namespace cdx
