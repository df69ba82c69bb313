#pragma once

#include <array>
#include <cstddef>
#include <string_view>

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

// The part of the page's label names that names the reading ("WB1" in
// UDTabWB1LowLabel, "CoreVoltage" in UDTabCoreVoltageLowLabel).
std::string_view labelStem(UpDownReading reading);

} // namespace cdx
