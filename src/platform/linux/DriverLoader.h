#pragma once

#include <optional>
#include <string>

#include "platform/linux/SensorDriverBinding.h"
#include "platform/linux/SystemInfoBinding.h"

namespace cdx {

// Binds the sensor driver and the system information library from the
// program's library folder (lib/caldrix beside bin/).
class DriverLoader {
public:
    static constexpr const char* SimulatedDriverFile = "libcaldrix_sim.so";
    static constexpr const char* SensorsDriverFile = "libcaldrix_sensors.so";
    static constexpr const char* SystemInfoFile = "libcaldrix_sysinfo.so";
    static constexpr const char* SensorsDriverName = "the libsensors driver";
    static constexpr const char* SimulatedDriverName = "the simulated driver";

    explicit DriverLoader(std::string libraryDirectory);

    // The library folder for a program in `programDirectory`:
    // <programDirectory>/../lib/caldrix.
    static std::string libraryDirectoryFor(const std::string& programDirectory);

    // Binds the driver that `choice` (the CALDRIX_DRIVER variable) names:
    // "sim", "sensors" or a path to a driver library. Without a choice, the
    // libsensors driver when libsensors finds any chip at all, else the
    // simulated driver with a user notice saying so and why. The notice says
    // which one is in use.
    SensorDriverBinding bindDriver(const std::optional<std::string>& choice) const;

    // Binds one driver library by path: every export must be present, and a
    // driver that reports an error (CdxLastError) is refused.
    SensorDriverBinding bindDriverLibrary(const std::string& path) const;

    // Binds the system information library of the library folder.
    SystemInfoBinding bindSystemInfo() const;
    SystemInfoBinding bindSystemInfoLibrary(const std::string& path) const;

private:
    std::string m_libraryDirectory;
};

} // namespace cdx
