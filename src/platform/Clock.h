#pragma once

#include <cstdint>

#include "platform/LocalDateTime.h"

namespace cdx {

// The wall clock and the waiting the program does.
class Clock {
public:
    virtual ~Clock() = default;

    // The current local date and time.
    virtual LocalDateTime now() const = 0;

    // Milliseconds since an arbitrary fixed start; never goes backwards.
    virtual std::uint64_t tickCount() const = 0;

    // Blocks the calling thread for `milliseconds`.
    virtual void sleep(unsigned milliseconds) = 0;
};

} // namespace cdx
