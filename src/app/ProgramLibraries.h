#pragma once

#include <string>

#include "platform/linux/SensorDriverBinding.h"
#include "platform/linux/SystemInfoBinding.h"

namespace cdx {

// The bound driver and system information libraries; the program cannot
// start without them.
struct ProgramLibraries {
    SensorDriverBinding driver;
    SystemInfoBinding systemInfo;

    // Binds the libraries from the program's library folder (the driver
    // CALDRIX_DRIVER names, if set). On failure the bindings carry the reason.
    static ProgramLibraries bind();

    // The path of one of the program's own libraries, by its file name.
    static std::string path(const char* file);
};

} // namespace cdx
