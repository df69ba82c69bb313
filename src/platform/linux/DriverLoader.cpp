#include "platform/linux/DriverLoader.h"

#include <filesystem>

#include "platform/linux/LibrarySensorDriver.h"
#include "platform/linux/LibrarySystemInfo.h"
#include "platform/linux/SharedLibrary.h"

namespace cdx {

DriverLoader::DriverLoader(std::string libraryDirectory) : m_libraryDirectory(std::move(libraryDirectory))
{
}

std::string DriverLoader::libraryDirectoryFor(const std::string& programDirectory)
{
    return programDirectory + "/../lib/caldrix";
}

SensorDriverBinding DriverLoader::bindDriverLibrary(const std::string& path) const
{
    SensorDriverBinding binding;
    binding.libraryPath = path;
    std::string reason;
    auto library = SharedLibrary::open(path, reason);
    if (!library) {
        binding.error = "cannot load the sensor driver " + path + ": " + reason;
        return binding;
    }
    binding.driver = LibrarySensorDriver::bind(std::move(library), binding.error);
    if (binding.driver) {
        binding.notice = "Caldrix: using the sensor driver " + path;
        binding.name = "the sensor driver " + std::filesystem::path(path).filename().string();
        binding.version = binding.driver->version();
    }
    return binding;
}

SensorDriverBinding DriverLoader::bindDriver(const std::optional<std::string>& choice) const
{
    const std::string simPath = m_libraryDirectory + "/" + SimulatedDriverFile;
    const std::string sensorsPath = m_libraryDirectory + "/" + SensorsDriverFile;

    if (choice && !choice->empty()) {
        SensorDriverBinding binding;
        if (*choice == "sim") {
            binding = bindDriverLibrary(simPath);
            binding.notice = "Caldrix: using the simulated sensor driver (CALDRIX_DRIVER=sim)";
            binding.name = SimulatedDriverName;
        } else if (*choice == "sensors") {
            binding = bindDriverLibrary(sensorsPath);
            binding.notice = "Caldrix: using the libsensors driver (CALDRIX_DRIVER=sensors)";
            binding.name = SensorsDriverName;
        } else if (choice->find('/') != std::string::npos) {
            binding = bindDriverLibrary(*choice);
            binding.notice = "Caldrix: using the sensor driver " + *choice + " (CALDRIX_DRIVER)";
        } else {
            binding.error =
                "CALDRIX_DRIVER must be \"sim\", \"sensors\" or a path to a driver library, not \"" + *choice + "\"";
            return binding;
        }
        if (!binding) {
            binding.notice.clear();
        }
        return binding;
    }

    // No choice: the hardware whenever libsensors finds any chip at all.
    std::string why;
    {
        SensorDriverBinding sensors = bindDriverLibrary(sensorsPath);
        if (sensors && sensors.driver->CheckLM78()) {
            sensors.notice = "Caldrix: using the libsensors driver";
            sensors.name = SensorsDriverName;
            return sensors;
        }
        why = sensors ? "libsensors finds no sensor chip" : sensors.error;
    }
    SensorDriverBinding sim = bindDriverLibrary(simPath);
    if (sim) {
        sim.notice = "Caldrix: using the simulated sensor driver (" + why + ")";
        sim.name = SimulatedDriverName;
        sim.userNotice = "Caldrix finds no hardware monitoring on this machine (" + why +
                         "), so the temperatures, voltages and fan speeds it shows are simulated, not measured.";
    }
    return sim;
}

SystemInfoBinding DriverLoader::bindSystemInfoLibrary(const std::string& path) const
{
    SystemInfoBinding binding;
    binding.libraryPath = path;
    std::string reason;
    auto library = SharedLibrary::open(path, reason);
    if (!library) {
        binding.error = "cannot load the system information library " + path + ": " + reason;
        return binding;
    }
    binding.systemInfo = LibrarySystemInfo::bind(std::move(library), binding.error);
    return binding;
}

SystemInfoBinding DriverLoader::bindSystemInfo() const
{
    return bindSystemInfoLibrary(m_libraryDirectory + "/" + SystemInfoFile);
}

} // namespace cdx
