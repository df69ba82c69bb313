#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "sensors/SensorSet.h"

namespace cdx {

// The thirteen readings of the statistics page, in the page's order.
enum class UpDownReading {
    WB1,
    LM75,
    WB2,
    WB3,
    CoreVoltage,
    P33Voltage,
    P5Voltage,
    N5Voltage,
    P12Voltage,
    N12Voltage,
    Fan1,
    Fan2,
    Fan3,
};

inline constexpr std::size_t kUpDownReadingCount = 13;

inline constexpr std::array<UpDownReading, kUpDownReadingCount> kAllUpDownReadings{
    UpDownReading::WB1,         UpDownReading::LM75,       UpDownReading::WB2,       UpDownReading::WB3,
    UpDownReading::CoreVoltage, UpDownReading::P33Voltage, UpDownReading::P5Voltage, UpDownReading::N5Voltage,
    UpDownReading::P12Voltage,  UpDownReading::N12Voltage, UpDownReading::Fan1,      UpDownReading::Fan2,
    UpDownReading::Fan3,
};

inline constexpr std::size_t indexOf(UpDownReading reading)
{
    return static_cast<std::size_t>(reading);
}

inline constexpr bool isTemperature(UpDownReading reading)
{
    return indexOf(reading) <= indexOf(UpDownReading::WB3);
}

inline constexpr bool isFan(UpDownReading reading)
{
    return indexOf(reading) >= indexOf(UpDownReading::Fan1);
}

// The statistics row of a temperature, a rail or a fan.
inline constexpr UpDownReading upDownReadingOf(TemperatureSensor sensor)
{
    return static_cast<UpDownReading>(static_cast<std::size_t>(sensor));
}

inline constexpr UpDownReading upDownReadingOf(VoltageRail rail)
{
    switch (rail) {
    case VoltageRail::Core:
        return UpDownReading::CoreVoltage;
    case VoltageRail::Pos33:
        return UpDownReading::P33Voltage;
    case VoltageRail::Pos5:
        return UpDownReading::P5Voltage;
    case VoltageRail::Pos12:
        return UpDownReading::P12Voltage;
    case VoltageRail::Neg12:
        return UpDownReading::N12Voltage;
    case VoltageRail::Neg5:
        break;
    }
    return UpDownReading::N5Voltage;
}

inline constexpr UpDownReading upDownReadingOf(Fan fan)
{
    return static_cast<UpDownReading>(indexOf(UpDownReading::Fan1) + static_cast<std::size_t>(fan));
}

// The part of the page's label names that names the reading ("WB1" in
// UDTabWB1LowLabel, "CoreVoltage" in UDTabCoreVoltageLowLabel).
std::string_view labelStem(UpDownReading reading);

} // namespace cdx
