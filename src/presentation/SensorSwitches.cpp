#include "presentation/SensorSwitches.h"

#include "presentation/GaugeSet.h"
#include "presentation/TraySettings.h"
#include "settings/Settings.h"

namespace cdx {

namespace {

void call(const std::function<void()>& f)
{
    if (f) {
        f();
    }
}

} // namespace

SensorSwitches::SensorSwitches(Settings& settings, GaugeSet& gauges, Actions actions)
    : m_settings(settings), m_gauges(gauges), m_actions(std::move(actions))
{
    m_checked[at(TemperatureSensor::WB1)] = true;
    m_checked[at(TemperatureSensor::LM75)] = false;
    m_checked[at(TemperatureSensor::WB2)] = settings.wb2SwitchBox;
    m_checked[at(TemperatureSensor::WB3)] = settings.wb3SwitchBox;
}

void SensorSwitches::storeBoxState(TemperatureSensor sensor)
{
    if (sensor == TemperatureSensor::WB2) {
        m_settings.wb2SwitchBox = checked(sensor);
    } else if (sensor == TemperatureSensor::WB3) {
        m_settings.wb3SwitchBox = checked(sensor);
    }
}

void SensorSwitches::setChecked(TemperatureSensor sensor, bool on)
{
    if (m_checked[at(sensor)] == on) {
        return;
    }
    m_checked[at(sensor)] = on;
    storeBoxState(sensor);
    runHandler(sensor);
}

void SensorSwitches::runHandler(TemperatureSensor sensor)
{
    if (checked(sensor)) {
        switchedOn(sensor);
    } else {
        switchedOff(sensor);
    }
}

void SensorSwitches::setTrayBoxes(TemperatureSensor sensor, bool on)
{
    if (on) {
        // Only the box of the tray mode in use becomes available.
        if (m_settings.showTempInTray) {
            m_trayBoxEnabled[at(sensor)] = true;
        }
        if (m_settings.swapIcons) {
            m_swapBoxEnabled[at(sensor)] = true;
        }
    } else {
        m_trayBoxEnabled[at(sensor)] = false;
        m_swapBoxEnabled[at(sensor)] = false;
        TraySettings::showBox(m_settings, sensor) = false;
        TraySettings::swapBox(m_settings, sensor) = false;
    }
    if (m_actions.trayBoxesChanged) {
        m_actions.trayBoxesChanged(sensor);
    }
}

void SensorSwitches::showPanel(TemperatureSensor sensor, bool on)
{
    m_panelVisible[at(sensor)] = on;
    call(m_actions.relayGauges);
}

void SensorSwitches::switchedOn(TemperatureSensor sensor)
{
    if (sensor == TemperatureSensor::LM75) {
        call(m_actions.readLm75);
    }
    setTrayBoxes(sensor, true);
    if (sensor == TemperatureSensor::LM75) {
        for (TemperatureSensor other : {TemperatureSensor::WB2, TemperatureSensor::WB3}) {
            setChecked(other, false);
            m_enabled[at(other)] = false;
        }
    } else if (sensor != TemperatureSensor::WB1) {
        setChecked(TemperatureSensor::LM75, false);
        m_enabled[at(TemperatureSensor::LM75)] = false;
    }
    showPanel(sensor, true);
    m_settings.temperature(sensor).sensorEnabled = true;
    call(m_actions.pollIfActive);
}

void SensorSwitches::switchedOff(TemperatureSensor sensor)
{
    setTrayBoxes(sensor, false);
    if (sensor == TemperatureSensor::LM75) {
        m_enabled[at(TemperatureSensor::WB2)] = true;
        m_enabled[at(TemperatureSensor::WB3)] = true;
    } else if (sensor == TemperatureSensor::WB2) {
        m_enabled[at(TemperatureSensor::LM75)] = !checked(TemperatureSensor::WB3);
    } else if (sensor == TemperatureSensor::WB3) {
        m_enabled[at(TemperatureSensor::LM75)] = !checked(TemperatureSensor::WB2);
    }
    showPanel(sensor, false);
    m_gauges[sensor].setPosition(0.0F);
    m_gauges[sensor].setCenterLabel("--");
    m_settings.temperature(sensor).sensorEnabled = false;
}

void SensorSwitches::applyAtStartUp(bool chipDetected)
{
    for (TemperatureSensor sensor :
         {TemperatureSensor::LM75, TemperatureSensor::WB1, TemperatureSensor::WB2, TemperatureSensor::WB3}) {
        setChecked(sensor, m_settings.temperature(sensor).sensorEnabled);
        runHandler(sensor);
    }
    if (!chipDetected) {
        setChecked(TemperatureSensor::WB1, false);
    }
}

} // namespace cdx
