#pragma once

#include <memory>
#include <string>

#include "platform/linux/SharedLibrary.h"
#include "sensors/SystemInfo.h"

namespace cdx {

// The system information reached through the exports of a loaded library.
class LibrarySystemInfo : public SystemInfo {
public:
    // Binds every export; empty with `error` naming the first missing export.
    static std::unique_ptr<LibrarySystemInfo> bind(std::shared_ptr<SharedLibrary> library, std::string& error);

    std::int32_t ClockRate() override { return m_clockRate(); }
    std::int32_t MemoryUse() override { return m_memoryUse(); }
    std::int32_t TotalPhysicalMemory() override { return m_totalPhysicalMemory(); }
    std::int32_t AvailablePhysicalMemory() override { return m_availablePhysicalMemory(); }
    std::string GetCurrentUserName() override;

private:
    explicit LibrarySystemInfo(std::shared_ptr<SharedLibrary> library);

    std::shared_ptr<SharedLibrary> m_library;
    std::int32_t (*m_clockRate)() = nullptr;
    std::int32_t (*m_memoryUse)() = nullptr;
    std::int32_t (*m_totalPhysicalMemory)() = nullptr;
    std::int32_t (*m_availablePhysicalMemory)() = nullptr;
    void (*m_getCurrentUserName)(unsigned char*) = nullptr;
};

} // namespace cdx
