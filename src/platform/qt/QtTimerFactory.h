#pragma once

#include "platform/TimerFactory.h"

namespace cdx {

// Makes timers that tick on the Qt event loop of the calling thread.
class QtTimerFactory : public TimerFactory {
public:
    std::unique_ptr<Timer> createTimer() override;
};

} // namespace cdx
