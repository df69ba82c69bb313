#pragma once

#include <cstdint>

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
};

} // namespace cdx
