#pragma once

#include <cstdint>

namespace cdx {

// The readings a sensor driver serves, numbered as the bits of the driver's
// mask of available readings (the CDX_READING_ constants of the driver header).
enum class DriverReading {
    Wb1Temperature,
    CpuTemperature,
    Wb2Temperature,
    Wb3Temperature,
    Core0,
    Core1,
    Pos33,
    Pos5,
    Pos12,
    Neg12,
    Neg5,
    Fan1,
    Fan2,
    Fan3,
};

inline constexpr int DriverReadingCount = 14;

using ReadingMask = std::uint32_t;

constexpr ReadingMask readingBit(DriverReading reading)
{
    return ReadingMask{1} << static_cast<int>(reading);
}

// What a driver that does not say which readings it identified serves.
inline constexpr ReadingMask AllReadings = (ReadingMask{1} << DriverReadingCount) - 1;

constexpr bool hasReading(ReadingMask mask, DriverReading reading)
{
    return (mask & readingBit(reading)) != 0;
}

// The export that serves a reading ("GetLM78Pos5v").
const char* readingExport(DriverReading reading);

} // namespace cdx
