#pragma once

#include <array>
#include <string>

#include "settings/Settings.h"

namespace cdx {

class GaugeSet;
class ReadingsPanel;

// The tooltips of the tray icons, composed from the current readings.
class TrayTooltip {
public:
    // A missing gauge reads as an empty label. The settings, gauges and
    // readings must outlive this object.
    TrayTooltip(const Settings& settings, const GaugeSet& gauges, const ReadingsPanel& readings);

    // CombinedToolTip: for each item chosen on the Tooltip page, in the order
    // WB1, LM75, WB2, WB3, Fan 1, Fan 2, Fan 3, its name, ": ", its display
    // text (the gauge's centre label, the fan's RPM label) and one blank.
    // The full text; the tray icon keeps its beginning.
    std::string createToolTip() const;

    // The tooltip of one temperature's own icon: the combined tooltip with
    // "Tooltip On All", else the temperature's name.
    std::string iconToolTip(TemperatureSensor sensor) const;

    // The centre label of a temperature's gauge.
    const std::string& label(TemperatureSensor sensor) const;

private:
    const Settings& m_settings;
    const GaugeSet& m_gauges;
    const ReadingsPanel& m_readings;
};

} // namespace cdx
