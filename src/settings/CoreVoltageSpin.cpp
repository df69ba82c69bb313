#include "settings/CoreVoltageSpin.h"

#include <algorithm>
#include <cmath>

#include "sensors/Formats.h"

namespace cdx {

namespace {

constexpr int kLowestTenths = 5;
constexpr int kHighestTenths = 50;
constexpr int kDefaultTenths = 28;

int toTenths(double volts)
{
    if (!std::isfinite(volts)) {
        return kDefaultTenths;
    }
    return static_cast<int>(std::lround(std::clamp(volts, 0.0, 100.0) * 10.0));
}

} // namespace

CoreVoltageSpin::CoreVoltageSpin(double volts) : m_tenths(toTenths(volts))
{
}

void CoreVoltageSpin::up()
{
    if (m_tenths < kHighestTenths) {
        ++m_tenths;
    }
}

void CoreVoltageSpin::down()
{
    if (m_tenths > kLowestTenths) {
        --m_tenths;
    }
}

std::string CoreVoltageSpin::caption(const std::string& decimalSeparator) const
{
    return "Core Voltage: " + formatFixed(volts(), 1, decimalSeparator) + "Volt";
}

} // namespace cdx
