#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace cdx {

// What the System Info panel reports, gathered at the moment it is chosen.
struct SystemInfoFacts {
    std::int32_t cpuMhz = 0; // measured once at start-up
    std::string userName;
    std::int32_t memoryUse = 0;               // percent
    std::int32_t totalPhysicalMemory = 0;     // bytes, as the library gives them
    std::int32_t availablePhysicalMemory = 0; // bytes, as the library gives them
    std::string executablePath;
    std::string cpuIdlePath; // empty when CPU Idle is not installed
    std::int32_t chipId = 0;
};

// The nine lines of the System Info panel, in order. Memory figures are
// whole kilobytes, truncated toward zero (a negative library figure stays
// negative).
std::vector<std::string> systemInfoLines(const SystemInfoFacts& facts);

// The chip's line: its name for the known identifiers, else the number.
std::string chipIdLine(std::int32_t chipId);

// The lines as the clipboard gets them: separated by CR LF.
std::string systemInfoClipboardText(const std::vector<std::string>& lines);

} // namespace cdx
