#pragma once

#include <array>
#include <span>
#include <string_view>

#include "sensors/DriverReading.h"
#include "sensors/HwmonChip.h"

namespace cdx {

// A place of the program a sensor input can feed: the four temperatures, the
// core voltage and the five rails, the three fans. The user may bind each to
// any input of its kind.
enum class SensorSlot { Cpu, Wb1, Wb2, Wb3, Core, Pos33, Pos5, Pos12, Neg12, Neg5, Fan1, Fan2, Fan3 };

inline constexpr std::size_t SensorSlotCount = 13;

inline constexpr std::array<SensorSlot, SensorSlotCount> AllSensorSlots{
    SensorSlot::Cpu,   SensorSlot::Wb1,  SensorSlot::Wb2,   SensorSlot::Wb3,   SensorSlot::Core,
    SensorSlot::Pos33, SensorSlot::Pos5, SensorSlot::Pos12, SensorSlot::Neg12, SensorSlot::Neg5,
    SensorSlot::Fan1,  SensorSlot::Fan2, SensorSlot::Fan3,
};

// "CPU", "WB1", "Core", "+3.3", "-12", "Fan 1": the slot as its stored row
// ("Source <name>") and the Sources page name it.
std::string_view sensorSlotName(SensorSlot slot);

// The driver readings the slot feeds (the core voltage both ports).
std::span<const DriverReading> sensorSlotReadings(SensorSlot slot);

// What the slot measures.
HwmonInput::Kind sensorSlotKind(SensorSlot slot);

} // namespace cdx
