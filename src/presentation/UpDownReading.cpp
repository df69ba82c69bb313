#include "presentation/UpDownReading.h"

namespace cdx {

std::string_view labelStem(UpDownReading reading)
{
    static constexpr std::array<std::string_view, kUpDownReadingCount> stems{
        "WB1",       "LM75",       "WB2",        "WB3",  "CoreVoltage", "P33Voltage", "P5Voltage",
        "N5Voltage", "P12Voltage", "N12Voltage", "Fan1", "Fan2",        "Fan3",
    };
    return stems[indexOf(reading)];
}

} // namespace cdx
