#include "platform/linux/LibrarySystemInfo.h"

#include <array>

#include "caldrix/driver.h"

namespace cdx {

namespace {

template <typename Function>
void bindExport(const SharedLibrary& library, Function*& target, const char* name, std::string& error)
{
    target = reinterpret_cast<Function*>(library.symbol(name));
    if (target == nullptr && error.empty()) {
        error = "the system information library " + library.path() + " lacks the export " + name;
    }
}

} // namespace

std::unique_ptr<LibrarySystemInfo> LibrarySystemInfo::bind(std::shared_ptr<SharedLibrary> library, std::string& error)
{
    error.clear();
    std::unique_ptr<LibrarySystemInfo> info(new LibrarySystemInfo(library));
    bindExport<decltype(::ClockRate)>(*library, info->m_clockRate, "ClockRate", error);
    bindExport<decltype(::MemoryUse)>(*library, info->m_memoryUse, "MemoryUse", error);
    bindExport<decltype(::TotalPhysicalMemory)>(*library, info->m_totalPhysicalMemory, "TotalPhysicalMemory", error);
    bindExport<decltype(::AvailablePhysicalMemory)>(*library, info->m_availablePhysicalMemory,
                                                    "AvailablePhysicalMemory", error);
    bindExport<decltype(::GetCurrentUserName)>(*library, info->m_getCurrentUserName, "GetCurrentUserName", error);
    if (!error.empty()) {
        return nullptr;
    }
    return info;
}

LibrarySystemInfo::LibrarySystemInfo(std::shared_ptr<SharedLibrary> library) : m_library(std::move(library))
{
}

std::string LibrarySystemInfo::GetCurrentUserName()
{
    // The library writes a length byte and up to 255 bytes into the caller's 256.
    std::array<unsigned char, 256> buffer{};
    m_getCurrentUserName(buffer.data());
    const std::size_t length = buffer[0];
    return std::string(reinterpret_cast<const char*>(buffer.data() + 1), length);
}

} // namespace cdx
