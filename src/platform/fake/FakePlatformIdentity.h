#pragma once

#include "platform/PlatformIdentity.h"

namespace cdx {

// A platform of the family the test chooses.
class FakePlatformIdentity : public PlatformIdentity {
public:
    explicit FakePlatformIdentity(PlatformFamily family = PlatformFamily::WindowsNT) : m_family(family) {}

    PlatformFamily family() const override { return m_family; }
    void setFamily(PlatformFamily family) { m_family = family; }

private:
    PlatformFamily m_family;
};

} // namespace cdx
