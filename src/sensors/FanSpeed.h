#pragma once

#include <cstdint>
#include <optional>

#include "sensors/SensorSet.h"

namespace cdx {

// A fan count of 255 means no reading.
inline constexpr std::int32_t FanCountNotAvailable = 255;

bool isFanAvailable(std::int32_t count);

// The speed in RPM: (675000 div divisor) div count for fans 1 and 2, 675000 div
// count for fan 3, from 337500 instead for type 2; integer divisions truncating
// towards zero. Empty when the count or the divisor is 0, which cannot be
// divided by. Call it for available counts only.
std::optional<std::int32_t> fanSpeed(Fan fan, std::int32_t count, std::int32_t divisor, FanType type);

// Whether a speed lies outside its fan's band: below U - U / 100 x P or above
// U / 100 x P + U, with U the users RPM and P the off mark in percent. A speed
// on an edge is inside.
bool fanSpeedOutOfBand(double speed, double usersRpm, int offMarkPercent);

} // namespace cdx
