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
    // What the user must be told at start: set when the readings are
    // simulated because the machine has no hardware monitoring.
    std::string userNotice;
    // The driver in use, in words for the About box and the system
    // information ("the libsensors driver"), and its version if it reports one.
    std::string name;
    std::string version;

    // "the libsensors driver 0.1.0 (/usr/lib/caldrix/libcaldrix_sensors.so)"
    std::string description() const { return name + (version.empty() ? "" : " " + version) + " (" + libraryPath + ")"; }

    explicit operator bool() const { return driver != nullptr; }
};

} // namespace cdx
