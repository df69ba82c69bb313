#pragma once

#include <cstdint>
#include <string>

namespace cdx {

// The system information library as the program sees it, one method per
// export. The bound library implements it in the program; tests use
// FakeSystemInfo.
class SystemInfo {
public:
    virtual ~SystemInfo() = default;

    // Processor clock in MHz.
    virtual std::int32_t ClockRate() = 0;
    // Percent of physical memory in use.
    virtual std::int32_t MemoryUse() = 0;
    // Bytes, the low 32 bits only (a larger memory wraps around).
    virtual std::int32_t TotalPhysicalMemory() = 0;
    virtual std::int32_t AvailablePhysicalMemory() = 0;
    // The user's name, UTF-8, at most 255 bytes.
    virtual std::string GetCurrentUserName() = 0;
};

} // namespace cdx
