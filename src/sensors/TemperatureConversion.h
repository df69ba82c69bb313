#pragma once

#include <cstdint>
#include <optional>

namespace cdx {

// A compensation box: whole degrees added to a temperature when `use` is set.
struct Compensation {
    bool use = false;
    int value = 0;
};

// The CPU sensor reports "no sensor" with a raw value of this or less.
inline constexpr std::int32_t LM75NotAvailableLimit = 10;

// WB1: the raw whole degrees plus the compensation when it is used.
float compensateWB1(std::int32_t raw, Compensation compensation);

// WB2 and WB3: the raw reading plus the compensation when it is used, rounded
// to a whole number with halves going to the even neighbour (44.5 -> 44,
// 45.5 -> 46).
float compensateWinbond(double raw, Compensation compensation);

// LM75: empty when the raw value says "no sensor", else raw + CPU offset.
bool isLM75Available(std::int32_t raw);
std::optional<float> convertLM75(std::int32_t raw, int cpuOffset);

// F = C x 1.8 + 32 in extended precision.
long double toFahrenheit(double celsius);

} // namespace cdx
