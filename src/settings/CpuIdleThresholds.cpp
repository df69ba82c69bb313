#include "settings/CpuIdleThresholds.h"

#include "sensors/Formats.h"
#include "settings/SpinRule.h"

namespace cdx {

namespace {

constexpr SpinRule LaunchRule{1, CpuIdleThresholds::LaunchLow, CpuIdleThresholds::LaunchHigh};
constexpr SpinRule CloseRule{1, CpuIdleThresholds::CloseLow, CpuIdleThresholds::CloseHigh};

} // namespace

bool CpuIdleThresholds::launchUp()
{
    if (const auto next = LaunchRule.up(launch)) {
        launch = *next;
        return true;
    }
    return false;
}

bool CpuIdleThresholds::closeDown()
{
    if (const auto next = CloseRule.down(close)) {
        close = *next;
        return true;
    }
    return false;
}

bool CpuIdleThresholds::launchDown()
{
    // Each round either moves the launch or lowers the close, which ends at
    // its floor, so the loop ends.
    bool changed = false;
    for (;;) {
        if (launch > LaunchLow && close + MinimumGap < launch) {
            if (const auto next = LaunchRule.down(launch)) {
                launch = *next;
                return true;
            }
            return changed;
        }
        if (!closeDown()) {
            return changed;
        }
        changed = true;
    }
}

bool CpuIdleThresholds::closeUp()
{
    bool changed = false;
    for (;;) {
        if (close < CloseHigh && launch - MinimumGap > close) {
            if (const auto next = CloseRule.up(close)) {
                close = *next;
                return true;
            }
            return changed;
        }
        if (!launchUp()) {
            return changed;
        }
        changed = true;
    }
}

std::string cpuIdleThresholdText(int celsius, std::string_view degree)
{
    const auto fahrenheit = roundHalfEven(static_cast<long double>(celsius) * 1.8L + 32.0L);
    std::string text = "has reached ";
    text.append(std::to_string(celsius)).append(degree).append("C / ");
    text.append(std::to_string(fahrenheit)).append(degree).append("F");
    return text;
}

std::string cpuIdleSensorCaption(std::string_view sensorName)
{
    std::string text = "If Sensor: ";
    text.append(sensorName);
    return text;
}

} // namespace cdx
