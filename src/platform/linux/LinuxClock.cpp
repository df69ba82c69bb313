#include "platform/linux/LinuxClock.h"

#include <chrono>
#include <ctime>
#include <thread>

namespace cdx {

LocalDateTime LinuxClock::now() const
{
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&seconds, &local);
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
    return LocalDateTime{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,       local.tm_hour,
                         local.tm_min,         local.tm_sec,     static_cast<int>(ms)};
}

std::uint64_t LinuxClock::tickCount() const
{
    const auto since = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
}

void LinuxClock::sleep(unsigned milliseconds)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

} // namespace cdx
