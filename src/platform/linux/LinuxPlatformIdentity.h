#pragma once

#include "platform/PlatformIdentity.h"

namespace cdx {

// Linux counts as the NT family: the speaker is sounded the way that family
// does it, not through the sensor driver.
class LinuxPlatformIdentity : public PlatformIdentity {
public:
    PlatformFamily family() const override { return PlatformFamily::WindowsNT; }
};

} // namespace cdx
