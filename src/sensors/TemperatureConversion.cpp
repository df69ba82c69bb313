#include "sensors/TemperatureConversion.h"

#include "sensors/Formats.h"

namespace cdx {

float compensateWB1(std::int32_t raw, Compensation compensation)
{
    const std::int64_t value = compensation.use ? std::int64_t{raw} + compensation.value : raw;
    return static_cast<float>(value);
}

float compensateWinbond(double raw, Compensation compensation)
{
    const long double value = compensation.use ? static_cast<long double>(raw) + compensation.value : raw;
    return static_cast<float>(roundHalfEven(value));
}

bool isLM75Available(std::int32_t raw)
{
    return raw > LM75NotAvailableLimit;
}

std::optional<float> convertLM75(std::int32_t raw, int cpuOffset)
{
    if (!isLM75Available(raw)) {
        return std::nullopt;
    }
    return static_cast<float>(std::int64_t{raw} + cpuOffset);
}

long double toFahrenheit(double celsius)
{
    return static_cast<long double>(celsius) * 1.8L + 32.0L;
}

} // namespace cdx
