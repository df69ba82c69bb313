#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace cdx {

// One reading of the Up/Down tab: the texts of its name, low, high and
// average labels.
struct UpDownRow {
    std::string name;
    std::string lowest;
    std::string highest;
    std::string average;
};

// What the up-and-down log records of the statistics.
struct UpDownReport {
    static constexpr std::size_t RowCount = 13;

    std::string startTime; // the program's start time (long time format)
    int pollCount = 0;     // the sample count of the WB1 average
    int cpuSpeedMhz = 0;   // measured once at start-up
    // WB1, LM75, WB2, WB3, Core, +3.3, +5, -5, +12, -12, Fan 1, Fan 2, Fan 3.
    std::array<UpDownRow, RowCount> rows;
};

} // namespace cdx
