// The system information library: processor clock and memory from /proc and
// /sys, the user's name from the password database.

#include <cstdlib>
#include <pwd.h>
#include <string>
#include <unistd.h>
#include <vector>

#include "sensors/SystemFigures.h"

#pragma GCC visibility push(default)
#include "caldrix/driver.h"
#pragma GCC visibility pop

namespace {

const cdx::SystemFigures& figures()
{
    static const cdx::SystemFigures instance("/proc", "/sys");
    return instance;
}

std::string userName()
{
    std::vector<char> scratch(16384);
    passwd entry{};
    passwd* found = nullptr;
    if (getpwuid_r(geteuid(), &entry, scratch.data(), scratch.size(), &found) == 0 && found != nullptr &&
        found->pw_name != nullptr) {
        return found->pw_name;
    }
    for (const char* variable : {"USER", "LOGNAME"}) {
        if (const char* value = std::getenv(variable); value != nullptr) {
            return value;
        }
    }
    return {};
}

} // namespace

extern "C" {

int32_t ClockRate(void)
{
    return figures().clockRateMHz();
}

int32_t MemoryUse(void)
{
    return figures().memoryUse();
}

int32_t TotalPhysicalMemory(void)
{
    return figures().totalPhysicalMemory();
}

int32_t AvailablePhysicalMemory(void)
{
    return figures().availablePhysicalMemory();
}

void GetCurrentUserName(unsigned char* buffer)
{
    if (buffer != nullptr) {
        cdx::writeLengthPrefixed(userName(), buffer);
    }
}

} // extern "C"
