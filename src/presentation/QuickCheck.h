#pragma once

#include <array>
#include <functional>
#include <string>

#include "sensors/TemperatureText.h"

namespace cdx {

class GaugeSet;
class ReadingsPanel;
class UpDownStatistics;
struct Settings;

// The thirteen items of the popup menu's "Quick Check" submenu, in menu order.
enum class QuickCheckItem { MB, CPU, WBSensor2, WBSensor3, CORE, Po33, Po5, Ne5, Po12, Ne12, FANnr1, FANnr2, FANnr3 };

inline constexpr std::array<QuickCheckItem, 13> kQuickCheckItems{
    QuickCheckItem::MB,     QuickCheckItem::CPU,  QuickCheckItem::WBSensor2, QuickCheckItem::WBSensor3,
    QuickCheckItem::CORE,   QuickCheckItem::Po33, QuickCheckItem::Po5,       QuickCheckItem::Ne5,
    QuickCheckItem::Po12,   QuickCheckItem::Ne12, QuickCheckItem::FANnr1,    QuickCheckItem::FANnr2,
    QuickCheckItem::FANnr3,
};

// The item's object name in the menu ("MB", "Po33", "FANnr1").
const char* quickCheckName(QuickCheckItem item);

// What the Information dialog shows for one reading.
struct QuickInfo {
    std::string title;   // "Quick info for: " + the reading's name
    std::string current; // "Current Value: " + the value as shown
    std::string alarm;   // "Sound Alarm at: ..."
    bool alarmEnabled = false;
    std::string lowest;  // "Lowest value: " + the statistics' low label
    std::string highest; // "Highest value: " + the statistics' high label

    // "Alarm Enabled" or "Alarm Disabled".
    std::string alarmState() const { return alarmEnabled ? "Alarm Enabled" : "Alarm Disabled"; }
};

// The Quick Check captions and Information texts, read from what the window
// shows at this moment: the gauges' centre labels, the voltage and fan labels,
// the alarm settings and the statistics.
class QuickCheck {
public:
    struct Parts {
        const Settings& settings;
        const GaugeSet& gauges;
        const ReadingsPanel& readings;
        const UpDownStatistics& statistics;
        std::function<TemperatureDisplay()> display;
    };

    explicit QuickCheck(Parts parts);

    // The item's caption: "Motherboard: 45°C", "Core: 1.65", "Fan 1 4560".
    std::string caption(QuickCheckItem item) const;
    // The Information dialog's texts for the item.
    QuickInfo info(QuickCheckItem item) const;

    // A temperature alarm label as the sensor's alarm page shows it:
    // "Sound Alarm at: 50°C/122°F".
    static std::string temperatureAlarmText(int celsius, const TemperatureDisplay& display);

private:
    TemperatureDisplay display() const;

    Parts m_parts;
};

} // namespace cdx
