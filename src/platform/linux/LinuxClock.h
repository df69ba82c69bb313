#pragma once

#include "platform/Clock.h"

namespace cdx {

// The system's clock in the local time zone.
class LinuxClock : public Clock {
public:
    LocalDateTime now() const override;
    std::uint64_t tickCount() const override;
    void sleep(unsigned milliseconds) override;
};

} // namespace cdx
