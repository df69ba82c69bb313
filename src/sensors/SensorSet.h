#pragma once

namespace cdx {

// The fixed readings, each group in the order of the poll.
enum class TemperatureSensor { WB1, LM75, WB2, WB3 };
enum class VoltageRail { Core, Pos33, Pos5, Pos12, Neg12, Neg5 };
enum class Fan { Fan1, Fan2, Fan3 };

// Fans of type 2 give two pulses per turn: their speed is half that of type 1.
enum class FanType { Type1, Type2 };

} // namespace cdx
