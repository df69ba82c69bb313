#pragma once

#include <filesystem>
#include <string>

#include "TemporaryDirectory.h"

namespace cdx::test {

// A cpufreq policy folder below `root` with its current limit at the
// processor's highest clock (`max`) and `min` as its lowest, in kHz.
inline void addCpufreqPolicy(const std::string& root, const std::string& name, const std::string& max,
                             const std::string& min)
{
    const std::string folder = root + "/" + name;
    std::filesystem::create_directories(folder);
    writeWholeFile(folder + "/scaling_max_freq", max + "\n");
    writeWholeFile(folder + "/cpuinfo_min_freq", min + "\n");
    writeWholeFile(folder + "/cpuinfo_max_freq", max + "\n");
}

} // namespace cdx::test
