#pragma once

#include "platform/PlatformFamily.h"

namespace cdx {

// The platform identifier: which family of the system the program runs on.
class PlatformIdentity {
public:
    virtual ~PlatformIdentity() = default;
    virtual PlatformFamily family() const = 0;
};

} // namespace cdx
