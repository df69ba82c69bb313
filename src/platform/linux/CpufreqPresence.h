#pragma once

#include <string>

namespace cdx {

// Whether the processor scales its clock (and with it its core voltage):
// cpufreq lists at least one policy under `root`.
bool processorScalesFrequency(const std::string& root = "/sys/devices/system/cpu/cpufreq");

} // namespace cdx
