#pragma once

#include <string>

namespace cdx {

// What the window shows at the moment an interval-log entry is written.
struct IntervalLogSnapshot {
    int cpuSpeedMhz = 0; // measured once at start-up

    // The gauge texts, for example "45°C".
    std::string lm75Gauge;
    std::string wb1Gauge;
    std::string wb2Gauge;
    std::string wb3Gauge;

    // The voltage labels as displayed, for example ": 2.80".
    std::string coreVoltage;
    std::string p33Voltage;
    std::string p5Voltage;
    std::string n5Voltage;
    std::string p12Voltage;
    std::string n12Voltage;

    // The fan labels as displayed, for example "4560" or "not available".
    std::string fan1;
    std::string fan2;
    std::string fan3;
};

} // namespace cdx
