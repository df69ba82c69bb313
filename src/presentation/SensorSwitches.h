#pragma once

#include <array>
#include <functional>

#include "sensors/SensorSet.h"

namespace cdx {

class GaugeSet;
struct Settings;

// The four temperature switches of the General page ("Check LM75 (CPU Temp)",
// "Check WB Senor 1/LM78 (MB temp)", "Check WB Sensor 2", "Check WB Sensor 3"):
// which temperatures are read, which gauge panels show, and which tray boxes
// may be ticked. The LM75 and the pair WB2/WB3 exclude each other.
//
// Setting a switch's checked state runs its handler when the state changes,
// as a click on the box does.
class SensorSwitches {
public:
    struct Actions {
        std::function<void()> readLm75;     // one LM75 reading, result unused
        std::function<void()> relayGauges;  // restacks the visible gauges
        std::function<void()> pollIfActive; // a poll at once while polling runs
        // The sensor's tray and swap boxes changed state or enabling.
        std::function<void(TemperatureSensor)> trayBoxesChanged;
    };

    // The gauges are WB1, LM75, WB2, WB3. The boxes start as the window holds
    // them: WB1 checked, LM75 unchecked, WB2 and WB3 as "WB Sensor 2" and
    // "WB Sensor 3" say; every panel shown.
    SensorSwitches(Settings& settings, GaugeSet& gauges, Actions actions);

    bool checked(TemperatureSensor sensor) const { return m_checked[at(sensor)]; }
    // Whether the user may click the switch.
    bool enabled(TemperatureSensor sensor) const { return m_enabled[at(sensor)]; }
    // Whether the sensor's gauge panel is shown.
    bool panelVisible(TemperatureSensor sensor) const { return m_panelVisible[at(sensor)]; }
    std::array<bool, 4> panelsVisible() const { return m_panelVisible; }
    // Whether the sensor's box among the tray icons ("Show temperature in
    // System Tray") and among the swapped icons may be ticked.
    bool trayBoxEnabled(TemperatureSensor sensor) const { return m_trayBoxEnabled[at(sensor)]; }
    bool swapBoxEnabled(TemperatureSensor sensor) const { return m_swapBoxEnabled[at(sensor)]; }

    // Checks or unchecks a switch; its handler runs when the state changes.
    void setChecked(TemperatureSensor sensor, bool on);

    // A switch was clicked (GenTabCheck...CheckBoxClick): acts on its current state.
    void runHandler(TemperatureSensor sensor);

    // Start-up: in the order LM75, WB1, WB2, WB3 each switch takes its stored
    // flag ("Check CPU", "Check MB", "Check WB2", "Check WB3") and its handler
    // runs once more; without a chip the WB1 switch is then unchecked.
    void applyAtStartUp(bool chipDetected);

private:
    static std::size_t at(TemperatureSensor sensor) { return static_cast<std::size_t>(sensor); }
    void setTrayBoxes(TemperatureSensor sensor, bool on);
    void showPanel(TemperatureSensor sensor, bool on);
    void switchedOn(TemperatureSensor sensor);
    void switchedOff(TemperatureSensor sensor);
    void storeBoxState(TemperatureSensor sensor);

    Settings& m_settings;
    GaugeSet& m_gauges;
    Actions m_actions;
    std::array<bool, 4> m_checked{};
    std::array<bool, 4> m_enabled{true, true, true, true};
    std::array<bool, 4> m_panelVisible{true, true, true, true};
    std::array<bool, 4> m_trayBoxEnabled{true, true, true, true};
    std::array<bool, 4> m_swapBoxEnabled{true, true, true, true};
};

} // namespace cdx
