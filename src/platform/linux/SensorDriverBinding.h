#pragma once

#include <memory>
#include <string>

#include "sensors/SensorDriver.h"

namespace cdx {

// The outcome of binding a sensor driver library: the driver, or the reason it
// could not be bound.
struct SensorDriverBinding {
    std::unique_ptr<SensorDriver> driver; // empty when binding failed
    std::string libraryPath;              // the library that was (or was to be) bound
    std::string notice;                   // which driver is in use, for stderr
    std::string error;                    // why binding failed, naming the library or export

    explicit operator bool() const { return driver != nullptr; }
};

} // namespace cdx
