#pragma once

#include <span>
#include <string_view>

namespace cdx {

// What a sensor driver export returns.
enum class ExportResult { None, Boolean, Int32, Double };

// One export of the sensor driver library.
struct DriverExport {
    std::string_view name;
    ExportResult result;
};

// Every export of the sensor driver, in the order of the driver's header.
std::span<const DriverExport> driverExports();

// The export of that name, or nullptr.
const DriverExport* findDriverExport(std::string_view name);

} // namespace cdx
