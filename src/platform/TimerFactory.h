#pragma once

#include <memory>

#include "platform/Timer.h"

namespace cdx {

// Makes timers. A new timer is disabled, with an interval of 1000 ms and no
// handler. The caller owns it.
class TimerFactory {
public:
    virtual ~TimerFactory() = default;
    virtual std::unique_ptr<Timer> createTimer() = 0;
};

} // namespace cdx
