#include "sensors/SystemFigures.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <sstream>
#include <string_view>

#include "sensors/Utf8.h"

namespace cdx {

SystemFigures::SystemFigures(std::string procRoot, std::string sysRoot)
    : m_procRoot(std::move(procRoot)), m_sysRoot(std::move(sysRoot))
{
}

std::int32_t SystemFigures::clockRateMHz() const
{
    std::ifstream freq(m_sysRoot + "/devices/system/cpu/cpu0/cpufreq/scaling_cur_freq");
    long long kHz = 0;
    if (freq >> kHz && kHz > 0) {
        return static_cast<std::int32_t>((kHz + 500) / 1000);
    }
    std::ifstream cpuinfo(m_procRoot + "/cpuinfo");
    std::string line;
    while (std::getline(cpuinfo, line)) {
        if (line.rfind("cpu MHz", 0) != 0) {
            continue;
        }
        const auto colon = line.find(':');
        if (colon == std::string::npos) {
            continue;
        }
        std::istringstream value(line.substr(colon + 1));
        double mhz = 0.0;
        if (value >> mhz && std::isfinite(mhz) && mhz > 0 && mhz < 2e9) {
            return static_cast<std::int32_t>(std::lround(mhz));
        }
    }
    return 0;
}

std::optional<std::uint64_t> SystemFigures::memInfoBytes(const std::string& name) const
{
    std::ifstream meminfo(m_procRoot + "/meminfo");
    std::string line;
    const std::string prefix = name + ":";
    while (std::getline(meminfo, line)) {
        if (line.rfind(prefix, 0) != 0) {
            continue;
        }
        std::istringstream fields(line.substr(prefix.size()));
        std::uint64_t amount = 0;
        std::string unit;
        if (!(fields >> amount)) {
            return std::nullopt;
        }
        fields >> unit;
        return unit == "kB" ? amount * 1024 : amount;
    }
    return std::nullopt;
}

std::int32_t SystemFigures::memoryUse() const
{
    const auto total = memInfoBytes("MemTotal");
    const auto available = memInfoBytes("MemAvailable");
    if (!total || !available || *total == 0 || *available > *total) {
        return 0;
    }
    return static_cast<std::int32_t>((*total - *available) * 100 / *total);
}

std::int32_t SystemFigures::totalPhysicalMemory() const
{
    return wrapTo32Bits(memInfoBytes("MemTotal").value_or(0));
}

std::int32_t SystemFigures::availablePhysicalMemory() const
{
    return wrapTo32Bits(memInfoBytes("MemAvailable").value_or(0));
}

std::int32_t wrapTo32Bits(std::uint64_t value)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value & 0xFFFFFFFFu));
}

void writeLengthPrefixed(const std::string& name, unsigned char* buffer)
{
    const std::size_t length = utf8FittingBytes(name, 255);
    buffer[0] = static_cast<unsigned char>(length);
    for (std::size_t i = 0; i < length; ++i) {
        buffer[1 + i] = static_cast<unsigned char>(name[i]);
    }
}

} // namespace cdx
