#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "monitor/ReadingsPanel.h"
#include "monitor/UpDownStatistics.h"
#include "sensors/DriverReading.h"
#include "sensors/Readings.h"
#include "sensors/SensorSet.h"
#include "sensors/TemperatureText.h"

namespace cdx {

class AlarmChecks;
class GaugeModel;
class PollListener;
class ReadingsListener;
class SensorDriver;
struct Settings;

// One poll reads every enabled sensor, shows the values on the gauges and in
// the readings panel, feeds the statistics, redraws the tray icons and runs the
// alarm and CPU Idle checks (the checks only while polling is active).
//
// The current temperatures are the gauges' positions: a gauge refuses a value
// above its scale, and the rest of the poll uses what the gauge holds.
class PollCycle {
public:
    struct Parts {
        SensorDriver& driver;
        Settings& settings;
        std::array<GaugeModel*, 4> gauges; // WB1, LM75, WB2, WB3
        UpDownStatistics& statistics;
        ReadingsPanel& panel;
        AlarmChecks& alarms;
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

    GaugeModel& gauge(TemperatureSensor sensor) { return *m_parts.gauges[static_cast<std::size_t>(sensor)]; }

    // Told of every poll's readings while polling is active; must outlive
    // the cycle.
    void addReadingsListener(ReadingsListener& listener) { m_readingsListeners.push_back(&listener); }

private:
    bool pollingActive() const { return m_parts.pollingActive && m_parts.pollingActive(); }
    void showTemperature(TemperatureSensor sensor, float celsius, UpDownReading reading);
    void checkTemperatureAlarms();
    void pollVoltages(ReadingMask available);
    void pollFans(ReadingMask available);
    bool pollFan(Fan fan, std::int32_t count);

    Parts m_parts;
    bool m_chipPresent = false;
    std::int32_t m_fanDivisor1 = 0;
    std::int32_t m_fanDivisor2 = 0;
    std::array<std::int32_t, 3> m_fanCounts{};
    // Polls that reached the core voltage since the last reset, whether or
    // not the driver identified it.
    std::int32_t m_polls = 0;
    std::string m_scaleCaption = "F";
    std::string m_decimalSeparator = ".";
    Readings m_readings;
    std::vector<ReadingsListener*> m_readingsListeners;
};

} // namespace cdx
