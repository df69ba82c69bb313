// Usage: caldrix_driver_probe [DRIVER-LIBRARY]
// Binds the library, or without one the driver the program would choose (from
// <its folder>/../lib/caldrix, honouring CALDRIX_DRIVER), and prints the driver
// in use, any notice the program would show at start, and one line per
// reading: "Export value  source", where the source is the chip and input the
// reading comes from, or "not available: " and why (for a driver that says).

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "platform/linux/DriverLoader.h"
#include "platform/linux/LinuxProgramLocation.h"
#include "sensors/DriverReading.h"

namespace {

std::string number(double value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

std::string readingValue(cdx::SensorDriver& d, cdx::DriverReading reading)
{
    using R = cdx::DriverReading;
    switch (reading) {
    case R::Wb1Temperature:
        return std::to_string(d.GetLM78Temp());
    case R::CpuTemperature:
        return std::to_string(d.GetLM75TempAsusTX());
    case R::Wb2Temperature:
        return number(d.GetWinBondSensor2());
    case R::Wb3Temperature:
        return number(d.GetWinBondSensor3());
    case R::Core0:
        return number(d.GetLM78Core0());
    case R::Core1:
        return number(d.GetLM78Core1());
    case R::Pos33:
        return number(d.GetLM78Pos33v());
    case R::Pos5:
        return number(d.GetLM78Pos5v());
    case R::Pos12:
        return number(d.GetLM78Pos12v());
    case R::Neg12:
        return number(d.GetLM78Neg12v());
    case R::Neg5:
        return number(d.GetLM78Neg5v());
    case R::Fan1:
        return std::to_string(d.GetLM78Fan1());
    case R::Fan2:
        return std::to_string(d.GetLM78Fan2());
    case R::Fan3:
        return std::to_string(d.GetLM78Fan3());
    }
    return {};
}

} // namespace

int main(int argc, char** argv)
{
    if (argc > 2) {
        std::fprintf(stderr, "usage: %s [DRIVER-LIBRARY]\n", argv[0]);
        return 2;
    }
    cdx::SensorDriverBinding binding;
    if (argc == 2) {
        binding = cdx::DriverLoader(".").bindDriverLibrary(argv[1]);
    } else {
        const auto bin = std::filesystem::path(cdx::LinuxProgramLocation::runningExecutable()).parent_path();
        const cdx::DriverLoader loader(cdx::DriverLoader::libraryDirectoryFor(bin.string()));
        const char* choice = std::getenv("CALDRIX_DRIVER");
        binding =
            loader.bindDriver(choice != nullptr && *choice != '\0' ? std::optional<std::string>(choice) : std::nullopt);
    }
    if (!binding) {
        std::fprintf(stderr, "%s\n", binding.error.c_str());
        return 1;
    }
    std::printf("Driver %s\n", binding.description().c_str());
    if (!binding.userNotice.empty()) {
        std::printf("Notice %s\n", binding.userNotice.c_str());
    }
    cdx::SensorDriver& d = *binding.driver;
    std::printf("CheckLM78 %d\n", d.CheckLM78() ? 1 : 0);
    d.RestartLM78();
    std::printf("GetChipID %d\n", d.GetChipID());
    std::printf("GetFanDivide1 %d\nGetFanDivide2 %d\n", d.GetFanDivide1(), d.GetFanDivide2());
    std::printf("CpuTemperatureIsTrue %d\n", d.cpuTemperatureIsTrue() ? 1 : 0);
    const cdx::ReadingMask available = d.availableReadings();
    for (int i = 0; i < cdx::DriverReadingCount; ++i) {
        const auto reading = static_cast<cdx::DriverReading>(i);
        const std::string value = readingValue(d, reading);
        std::string source = d.readingSource(reading);
        if (source.empty()) {
            source = cdx::hasReading(available, reading) ? "(the driver names no source)"
                                                         : "not available: the driver does not serve it";
        }
        std::printf("%s %s  %s\n", cdx::readingExport(reading), value.c_str(), source.c_str());
    }
    for (int i = 0; i < cdx::DriverReadingCount; ++i) {
        const auto reading = static_cast<cdx::DriverReading>(i);
        if (const auto band = d.readingLimits(reading)) {
            std::printf("Limits %s %.17g %.17g\n", cdx::readingExport(reading), band->low(), band->high());
        }
    }
    return 0;
}
