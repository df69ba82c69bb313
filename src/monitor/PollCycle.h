#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "presentation/GaugeSet.h"
#include "presentation/ReadingsPanel.h"
#include "presentation/UpDownStatistics.h"
#include "sensors/DriverReading.h"
#include "sensors/Readings.h"
#include "sensors/SensorSet.h"
#include "sensors/TemperatureText.h"

namespace cdx {

class Clock;
class PollListener;
class ReadingsListener;
class SensorDriver;
struct Settings;

// One poll reads every enabled sensor into one Readings record, shows the
// values on the gauges and in the readings panel, feeds the statistics,
// redraws the tray icons, then hands the record to its listeners (the alarms,
// the metrics, the history) and runs the CPU Idle checks (only while polling
// is active). It decides no alarm itself.
//
// A gauge refuses a temperature above its scale: the previous value stays,
// in the record as on the gauge.
class PollCycle {
public:
    struct Parts {
        SensorDriver& driver;
        Settings& settings;
        GaugeSet& gauges;
        UpDownStatistics& statistics;
        ReadingsPanel& panel;
        PollListener& listener;
        std::function<bool()> pollingActive; // Timer1 enabled
    };

    explicit PollCycle(Parts parts);

    // Set once at start-up: whether the monitoring chip answered, and the fan
    // divisors it reported.
    void setChipPresent(bool present) { m_chipPresent = present; }
    bool chipPresent() const { return m_chipPresent; }
    void setFanDivisors(std::int32_t fan1, std::int32_t fan2);

    void setDecimalSeparator(std::string separator) { m_decimalSeparator = std::move(separator); }
    // The clock whose tick count stamps each record; without one it is 0.
    void setClock(const Clock& clock) { m_clock = &clock; }
    // The processor clock the system information gave at start.
    void setCpuClockMhz(double mhz) { m_readings.cpuClockMhz = mhz > 0.0 ? std::optional<double>(mhz) : std::nullopt; }

    // Told of every poll's record, in the order added; the listener must
    // outlive the poll.
    void addReadingsListener(ReadingsListener& listener) { m_readingsListeners.push_back(&listener); }
    // The record of the latest poll.
    const Readings& readings() const { return m_readings; }

    // The unit button's caption: the letter a click switches to ("F" while
    // Celsius is shown).
    const std::string& scaleCaption() const { return m_scaleCaption; }
    void setScaleCaption(std::string caption) { m_scaleCaption = std::move(caption); }

    // How temperatures are shown now.
    TemperatureDisplay display() const;

    // One poll.
    void poll(); // Timer1Timer
    // A poll at once, when polling is active (the settings handlers' re-poll).
    void pollIfActive();

    // The unit button: flips the caption, polls when active, relabels the
    // lowest and highest temperatures in the new scale.
    void toggleScale(); // SpeedButton2Click
    // The statistics' "Reset" button: clears them and polls when active.
    void resetStatistics(); // UDTabResetSpeedButtonClick

    GaugeModel& gauge(TemperatureSensor sensor) { return m_parts.gauges[sensor]; }

private:
    bool pollingActive() const { return m_parts.pollingActive && m_parts.pollingActive(); }
    void showTemperature(TemperatureSensor sensor, float celsius, UpDownReading reading);
    void showNoSensor(TemperatureSensor sensor);
    void pollVoltages(ReadingMask available);
    void pollFans(ReadingMask available);
    bool pollFan(Fan fan, std::int32_t count);

    Parts m_parts;
    const Clock* m_clock = nullptr;
    Readings m_readings;
    std::vector<ReadingsListener*> m_readingsListeners;
    bool m_chipPresent = false;
    std::int32_t m_fanDivisor1 = 0;
    std::int32_t m_fanDivisor2 = 0;
    std::array<std::int32_t, 3> m_fanCounts{};
    // Polls that reached the core voltage since the last reset, whether or
    // not the driver identified it.
    std::int32_t m_polls = 0;
    std::string m_scaleCaption = "F";
    std::string m_decimalSeparator = ".";
};

} // namespace cdx
