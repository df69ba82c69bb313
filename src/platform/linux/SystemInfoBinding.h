#pragma once

#include <memory>
#include <string>

#include "sensors/SystemInfo.h"

namespace cdx {

// The outcome of binding the system information library.
struct SystemInfoBinding {
    std::unique_ptr<SystemInfo> systemInfo; // empty when binding failed
    std::string libraryPath;
    std::string error; // why binding failed, naming the library or export

    explicit operator bool() const { return systemInfo != nullptr; }
};

} // namespace cdx
