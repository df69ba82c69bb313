#pragma once

#include <string_view>

namespace cdx {

// What a board chip's temperature input measures, by its label, however the
// board spells it: case, blanks, "Temp" or "Temperature" and a trailing number
// do not matter ("System Temp", "SYS Temperature", "System 1", "MB(?) temp",
// "M/B Temperature", "SYSTIN", "CPU Socket", "CPUTIN", "AUXTIN1", "VRM Temp").
enum class TemperatureRole {
    Unknown,   // a label that names none of the below
    Board,     // the board's own temperature: the first of its kind, or numbered 1
    Processor, // the processor as the board measures it (its socket or diode)
    Secondary, // a further board input: chipset, VRM, auxiliary, "System 2"
    Foreign,   // the processor or another device reporting through the chip (PECI, SB-TSI, SMBus)
};

class TemperatureLabel {
public:
    static TemperatureRole identify(std::string_view label);
};

} // namespace cdx
