#pragma once

#include <string>

#include <QWidget>

#include "sensors/SensorSet.h"
#include "ui/PageServices.h"

class QGroupBox;
class QLabel;

namespace cdx {

class AlarmActionsBox;
class SettingsEditor;
class SpinArrows;

// One sensor's panel of the "Temperatures" tab: its gauge's maximum scale and
// its alarm threshold, each with a Celsius and a Fahrenheit label, and the
// alarm's actions.
class TemperaturePanel : public QWidget {
    Q_OBJECT
public:
    TemperaturePanel(TemperatureSensor sensor, SettingsEditor& editor, const PageServices& services,
                     QWidget* parent = nullptr);

    SpinArrows& scaleArrows() { return *m_scaleArrows; }
    SpinArrows& alarmArrows() { return *m_alarmArrows; }
    QLabel& scaleCelsius() { return *m_scaleCelsius; }
    QLabel& scaleFahrenheit() { return *m_scaleFahrenheit; }
    QLabel& alarmCelsius() { return *m_alarmCelsius; }
    QLabel& alarmFahrenheit() { return *m_alarmFahrenheit; }
    AlarmActionsBox& actions() { return *m_actions; }

    void load();
    void refreshLabels();
    // The group captions carry the user's name of the sensor.
    void setSensorName(const std::string& name);

private:
    TemperatureSensor m_sensor;
    SettingsEditor& m_editor;
    QGroupBox* m_scaleGroup = nullptr;
    QGroupBox* m_alarmGroup = nullptr;
    SpinArrows* m_scaleArrows = nullptr;
    SpinArrows* m_alarmArrows = nullptr;
    QLabel* m_scaleCelsius = nullptr;
    QLabel* m_scaleFahrenheit = nullptr;
    QLabel* m_alarmCelsius = nullptr;
    QLabel* m_alarmFahrenheit = nullptr;
    AlarmActionsBox* m_actions = nullptr;
};

} // namespace cdx
