#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace cdx {

// The processor clock and memory figures of a Linux system, read from the
// kernel's files below `procRoot` (normally /proc) and `sysRoot` (/sys).
class SystemFigures {
public:
    SystemFigures(std::string procRoot, std::string sysRoot);

    // The current frequency of the first processor in MHz: cpufreq's
    // scaling_cur_freq, else "cpu MHz" of cpuinfo; 0 when neither is readable.
    std::int32_t clockRateMHz() const;

    // Percent of physical memory in use (total less available); 0 when unknown.
    std::int32_t memoryUse() const;

    // Physical memory in bytes, the low 32 bits only: a larger memory wraps
    // around, as the library's 32-bit results require.
    std::int32_t totalPhysicalMemory() const;
    std::int32_t availablePhysicalMemory() const;

private:
    // A "Name:   1234 kB" figure of meminfo, in bytes.
    std::optional<std::uint64_t> memInfoBytes(const std::string& name) const;

    std::string m_procRoot;
    std::string m_sysRoot;
};

// The low 32 bits of a byte count, as a signed 32-bit result.
std::int32_t wrapTo32Bits(std::uint64_t value);

// Writes `name` as a length-prefixed string into a 256-byte buffer: byte 0 the
// length, then the bytes, cut to 255 bytes without splitting a UTF-8 character.
void writeLengthPrefixed(const std::string& name, unsigned char* buffer);

} // namespace cdx
