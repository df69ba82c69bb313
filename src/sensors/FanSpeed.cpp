#include "sensors/FanSpeed.h"

namespace cdx {

namespace {

// The band's edges are decimal figures that binary doubles only approach
// (1640 / 100 x 50 is 820.0000000000001): a speed this close to an edge is on it.
constexpr double EdgeTolerance = 1e-9;

} // namespace

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

bool fanSpeedOutOfBand(double speed, double usersRpm, int offMarkPercent)
{
    const double lower = usersRpm - usersRpm / 100.0 * offMarkPercent;
    const double upper = usersRpm / 100.0 * offMarkPercent + usersRpm;
    return speed < lower - EdgeTolerance || speed > upper + EdgeTolerance;
}

} // namespace cdx
