#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "sensors/DriverReading.h"

namespace cdx {

// Every sensor driver reading at one moment, in the drivers' units.
struct ChipReadings {
    bool present = false;
    std::int32_t chipId = 0;
    std::int32_t fanDivide1 = 1;
    std::int32_t fanDivide2 = 1;
    std::int32_t fan1 = 255;
    std::int32_t fan2 = 255;
    std::int32_t fan3 = 255;
    std::int32_t temp = 0;
    std::int32_t lm75 = 0; // 10 or less: no CPU sensor
    double winbond2 = 0.0;
    double winbond3 = 0.0;
    double core0 = 0.0;
    double core1 = 0.0;
    double pos33 = 0.0;
    double pos5 = 0.0;
    double pos12 = 0.0;
    double neg12 = 0.0;
    double neg5 = 0.0;

    // The readings that come from an identified input; the others are not
    // available and read 0 (fans 255).
    ReadingMask available = 0;
    // The CPU temperature is the processor's own, already true: no offset.
    bool cpuTemperatureTrue = false;
    // Per reading: the chip and input it comes from, or "not available" and why.
    std::array<std::string, DriverReadingCount> sources{};
    // Per voltage reading: the alarm limits the chip (or sensors.d's `set`)
    // gives its input, as a band from low to high; empty where it gives none.
    struct Limits {
        double low = 0.0;
        double high = 0.0;
    };
    std::array<std::optional<Limits>, DriverReadingCount> limits{};
    // Per reading: the input it comes from, "<chip>/<feature>"; empty when none.
    std::array<std::string, DriverReadingCount> inputs{};
};

} // namespace cdx
