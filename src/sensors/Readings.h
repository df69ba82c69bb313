#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "sensors/SensorSet.h"
#include "sensors/VoltageBand.h"

namespace cdx {

// What one poll read: the program's one record of its current readings.
//
// The poll fills it; the gauges, the voltage and fan panels, the tray, the
// logs, the statistics, the alarms, the metrics and the history read it.
// Every value is in its base unit (degrees Celsius, volts, revolutions per
// minute, megahertz), whatever the window shows. An empty optional means the
// reading is not available this poll (a switched-off sensor, an input the
// driver could not identify, a stopped or missing fan); it is never 0.
struct Readings {
    static constexpr std::size_t TemperatureCount = 4;
    static constexpr std::size_t RailCount = 6;
    static constexpr std::size_t FanCount = 3;
    // Every reading a plot or a history keeps: the temperatures, the rails,
    // then the fans, each group in the order of its enum.
    static constexpr std::size_t ChannelCount = TemperatureCount + RailCount + FanCount;

    // Indexed by TemperatureSensor (WB1, LM75, WB2, WB3). A temperature above
    // its gauge's scale is not taken: the previous value stays.
    std::array<std::optional<double>, TemperatureCount> temperatures{};
    // Indexed by VoltageRail (Core, +3.3, +5, +12, -12, -5).
    std::array<std::optional<double>, RailCount> voltages{};
    // Indexed by Fan.
    std::array<std::optional<double>, FanCount> fans{};
    // A fan the chip has whose count gives no speed: it stopped, or its
    // sensor fails. Its reading is absent; unlike a fan the chip lacks, it
    // counts as a fan at 0 RPM for its alarm.
    std::array<bool, FanCount> fansStopped{};
    // The chip's own limits for the core voltage, where it reports them: the
    // core's band then, in place of the nominal value and its margin.
    std::optional<VoltageBand> coreLimits;
    // The processor clock, where the system information library gives one.
    std::optional<double> cpuClockMhz;

    // When the poll took them: milliseconds of the program's monotonic tick
    // count (Clock::tickCount), and seconds since the Unix epoch of the wall
    // clock (which may jump).
    std::uint64_t tickMs = 0;
    std::int64_t unixSeconds = 0;

    std::optional<double>& temperature(TemperatureSensor sensor) { return temperatures[index(sensor)]; }
    const std::optional<double>& temperature(TemperatureSensor sensor) const { return temperatures[index(sensor)]; }
    std::optional<double>& voltage(VoltageRail rail) { return voltages[index(rail)]; }
    const std::optional<double>& voltage(VoltageRail rail) const { return voltages[index(rail)]; }
    std::optional<double>& fan(Fan fan) { return fans[index(fan)]; }
    const std::optional<double>& fan(Fan fan) const { return fans[index(fan)]; }
    bool fanStopped(Fan fan) const { return fansStopped[index(fan)]; }

    // The reading of channel `channel` (0 to ChannelCount - 1, see above).
    const std::optional<double>& channel(std::size_t channel) const
    {
        if (channel < TemperatureCount) {
            return temperatures[channel];
        }
        if (channel < TemperatureCount + RailCount) {
            return voltages[channel - TemperatureCount];
        }
        return fans[channel - TemperatureCount - RailCount];
    }

    bool operator==(const Readings&) const = default;

private:
    template <typename E> static constexpr std::size_t index(E value) { return static_cast<std::size_t>(value); }
};

} // namespace cdx
