#pragma once

#include <string>

#include "sensors/TemperatureText.h"

namespace cdx {

struct RegionalFormats;
struct Settings;

// The two texts of a firing alarm: the Warning dialog's and the warning log's.
struct AlarmMessage {
    std::string dialog;
    std::string log;

    bool operator==(const AlarmMessage&) const = default;
};

// Words of the alarms, from the names, limits and display switches as they
// are set now and the user's decimal separator.
class AlarmTexts {
public:
    AlarmTexts(const Settings& settings, const RegionalFormats& formats) : m_settings(settings), m_formats(formats) {}

    // A temperature alarm group's threshold labels: "50°C" and "122°F" ("Round
    // F" rounds, else the general format: "123.8°F"); no degree mark while the
    // window shows none.
    // How the threshold labels are shown now.
    TemperatureDisplay thresholdDisplay() const;

    // The texts quote the threshold labels, not the reading.
    AlarmMessage temperature(TemperatureSensor sensor) const;
    // name: the voltage's display caption. The dialog's line breaks are a line
    // feed followed by a carriage return.
    AlarmMessage voltage(const std::string& name, double value) const;
    // A rail's name in its alarm texts: its display caption.
    std::string voltageName(VoltageRail rail) const;
    // offMark in whole percent; speed in RPM.
    AlarmMessage fan(Fan fan, int offMark, double speed) const;

private:
    const Settings& m_settings;
    const RegionalFormats& m_formats;
};

} // namespace cdx
