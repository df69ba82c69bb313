#pragma once

#include <array>
#include <functional>
#include <string>

#include "sensors/SensorSet.h"

namespace cdx {

// What the window's voltage and fan groups and the polls label show: the poll
// writes it, the window displays it, the interval log and the quick checks
// read it.
class ReadingsPanel {
public:
    enum class Item { Voltage, Fan, FanAlarmEditable, Polls };
    // Called after an item changed; `index` is the rail or fan number (0-based).
    using Changed = std::function<void(Item item, int index)>;

    void setOnChanged(Changed handler) { m_onChanged = std::move(handler); }

    // The value label of a rail the driver could not identify.
    static constexpr const char* VoltageNotAvailable = ": not available";

    // The value label of a rail: ": " and the value; red when out of band.
    const std::string& voltageText(VoltageRail rail) const { return m_voltageText[index(rail)]; }
    bool voltageRed(VoltageRail rail) const { return m_voltageRed[index(rail)]; }
    void setVoltage(VoltageRail rail, std::string text, bool red);

    // The RPM label of a fan: the speed or "not available".
    const std::string& fanText(Fan fan) const { return m_fanText[index(fan)]; }
    void setFanText(Fan fan, std::string text);

    // Whether the fan's "Enable Alarm" box may be edited.
    bool fanAlarmEditable(Fan fan) const { return m_fanAlarmEditable[index(fan)]; }
    void setFanAlarmEditable(Fan fan);

    // "Number of Polls: " and the count.
    const std::string& pollsText() const { return m_pollsText; }
    void setPollsText(std::string text);

private:
    static int index(VoltageRail rail) { return static_cast<int>(rail); }
    static int index(Fan fan) { return static_cast<int>(fan); }
    void notify(Item item, int index) const;

    std::array<std::string, 6> m_voltageText{};
    std::array<bool, 6> m_voltageRed{};
    std::array<std::string, 3> m_fanText{};
    std::array<bool, 3> m_fanAlarmEditable{};
    std::string m_pollsText = "Number of Polls: 0";
    Changed m_onChanged;
};

} // namespace cdx
