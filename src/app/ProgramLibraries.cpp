#include "app/ProgramLibraries.h"

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <optional>

#include "platform/linux/DriverLoader.h"
#include "platform/linux/LinuxProgramLocation.h"

namespace cdx {

namespace {

std::optional<std::string> environment(const char* name)
{
    const char* value = std::getenv(name);
    if (value == nullptr || *value == '\0') {
        return std::nullopt;
    }
    return std::string(value);
}

std::string libraryDirectory()
{
    const std::string executable = LinuxProgramLocation::runningExecutable();
    return DriverLoader::libraryDirectoryFor(std::filesystem::path(executable).parent_path().string());
}

} // namespace

ProgramLibraries ProgramLibraries::bind()
{
    const DriverLoader loader(libraryDirectory());
    ProgramLibraries libraries{loader.bindDriver(environment("CALDRIX_DRIVER")), loader.bindSystemInfo()};
    if (libraries.driver && !libraries.driver.notice.empty()) {
        std::cerr << libraries.driver.notice << '\n';
    }
    return libraries;
}

std::string ProgramLibraries::path(const char* file)
{
    return libraryDirectory() + "/" + file;
}

} // namespace cdx
