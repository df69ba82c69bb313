#include "sensors/SensorSlot.h"

namespace cdx {

namespace {

using R = DriverReading;

constexpr std::array<std::string_view, SensorSlotCount> Names{
    "CPU", "WB1", "WB2", "WB3", "Core", "+3.3", "+5", "+12", "-12", "-5", "Fan 1", "Fan 2", "Fan 3",
};

constexpr std::array<R, 14> Readings{
    R::CpuTemperature, R::Wb1Temperature, R::Wb2Temperature, R::Wb3Temperature, R::Core0, R::Core1, R::Pos33,
    R::Pos5,           R::Pos12,          R::Neg12,          R::Neg5,           R::Fan1,  R::Fan2,  R::Fan3,
};

} // namespace

std::string_view sensorSlotName(SensorSlot slot)
{
    return Names[static_cast<std::size_t>(slot)];
}

std::span<const DriverReading> sensorSlotReadings(SensorSlot slot)
{
    const auto index = static_cast<std::size_t>(slot);
    if (slot == SensorSlot::Core) {
        return std::span<const R>(Readings).subspan(4, 2);
    }
    return std::span<const R>(Readings).subspan(index < 4 ? index : index + 1, 1);
}

HwmonInput::Kind sensorSlotKind(SensorSlot slot)
{
    if (slot >= SensorSlot::Fan1) {
        return HwmonInput::Kind::Fan;
    }
    return slot >= SensorSlot::Core ? HwmonInput::Kind::Voltage : HwmonInput::Kind::Temperature;
}

} // namespace cdx
