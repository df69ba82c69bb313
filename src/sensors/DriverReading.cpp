#include "sensors/DriverReading.h"

#include <array>

namespace cdx {

const char* readingExport(DriverReading reading)
{
    static constexpr std::array<const char*, DriverReadingCount> Names{
        "GetLM78Temp",  "GetLM75TempAsusTX", "GetWinBondSensor2", "GetWinBondSensor3", "GetLM78Core0",
        "GetLM78Core1", "GetLM78Pos33v",     "GetLM78Pos5v",      "GetLM78Pos12v",     "GetLM78Neg12v",
        "GetLM78Neg5v", "GetLM78Fan1",       "GetLM78Fan2",       "GetLM78Fan3",
    };
    return Names[static_cast<std::size_t>(reading)];
}

} // namespace cdx
