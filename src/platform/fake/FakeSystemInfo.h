#pragma once

#include <cstdint>
#include <string>

#include "sensors/SystemInfo.h"

namespace cdx {

// System information with figures a test sets directly.
class FakeSystemInfo : public SystemInfo {
public:
    std::int32_t clockRate = 450;
    std::int32_t memoryUse = 42;
    std::int32_t totalPhysicalMemory = 134217728;
    std::int32_t availablePhysicalMemory = 77846528;
    std::string userName = "tester";

    std::int32_t ClockRate() override { return clockRate; }
    std::int32_t MemoryUse() override { return memoryUse; }
    std::int32_t TotalPhysicalMemory() override { return totalPhysicalMemory; }
    std::int32_t AvailablePhysicalMemory() override { return availablePhysicalMemory; }
    std::string GetCurrentUserName() override { return userName; }
};

} // namespace cdx
