#include "sensors/FanSpeed.h"

namespace cdx {

bool isFanAvailable(std::int32_t count)
{
    return count != FanCountNotAvailable;
}

std::optional<std::int32_t> fanSpeed(Fan fan, std::int32_t count, std::int32_t divisor, FanType type)
{
    const std::int32_t base = type == FanType::Type2 ? 337500 : 675000;
    if (count == 0) {
        return std::nullopt;
    }
    if (fan == Fan::Fan3) {
        return base / count;
    }
    if (divisor == 0) {
        return std::nullopt;
    }
    return (base / divisor) / count;
}

} // namespace cdx
