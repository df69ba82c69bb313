#pragma once

#include <string>
#include <string_view>

namespace cdx {

// The launch and close temperatures of the CPUIdle page, whole degrees
// Celsius, edited by two linked arrow pairs: launch 20 to 80, close 17 to 77,
// the launch at least 3 above the close. Where one arrow would break the gap
// it pushes the other threshold along, so at a gap of 3 both move together.
struct CpuIdleThresholds {
    static constexpr int LaunchLow = 20;
    static constexpr int LaunchHigh = 80;
    static constexpr int CloseLow = 17;
    static constexpr int CloseHigh = 77;
    static constexpr int MinimumGap = 3;

    int launch = 45;
    int close = 40;

    // Each returns whether either threshold changed.
    bool launchUp();
    bool launchDown();
    bool closeUp();
    bool closeDown();

    bool operator==(const CpuIdleThresholds&) const = default;
};

// "has reached 45°C / 113°F": the threshold in Celsius and in whole degrees
// Fahrenheit (halves to even), `degree` between each number and its letter.
std::string cpuIdleThresholdText(int celsius, std::string_view degree);

// The caption naming the sensor that drives CPU Idle: "If Sensor: " + name.
std::string cpuIdleSensorCaption(std::string_view sensorName);

} // namespace cdx
