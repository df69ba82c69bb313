#pragma once

#include <array>
#include <string>

#include "logs/IntervalLogSnapshot.h"

namespace cdx {

// The sixteen fields of one interval-log row in file order: date, time,
// speed, the temperatures LM75, WB1, WB2, WB3, the voltages Core, +3.3, +5,
// -5, +12, -12 and the fans 1 to 3.
struct IntervalLogEntry {
    static constexpr std::size_t FieldCount = 16;
    std::array<std::string, FieldCount> fields;

    // The row for what the window shows: the speed with " MHz", the voltage
    // labels without their leading ": ", a fan label containing "not" and a
    // voltage not available as "N/A".
    static IntervalLogEntry fromWindow(const std::string& date, const std::string& time,
                                       const IntervalLogSnapshot& window);
};

} // namespace cdx
