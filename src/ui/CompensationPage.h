#pragma once

#include <array>
#include <string>

#include <QWidget>

#include "sensors/CpuType.h"
#include "sensors/SensorSet.h"
#include "ui/PageServices.h"

class QCheckBox;
class QGroupBox;
class QRadioButton;

namespace cdx {

class SettingSpin;
class SettingsEditor;

// The "Compensation" tab: the CPU type, whose offset is added to the CPU
// temperature, and the whole degrees added to the motherboard, sensor 2 and
// sensor 3 temperatures, each with its box captioned "Custom +n".
class CompensationPage : public QWidget {
    Q_OBJECT
public:
    CompensationPage(SettingsEditor& editor, const PageServices& services, QWidget* parent = nullptr);

    QRadioButton& cpuTypeButton(CpuType type) { return *m_cpuTypes[static_cast<std::size_t>(type)]; }
    SettingSpin& customCpuAdd() { return *m_customAdd; }
    // WB1, WB2 or WB3.
    QCheckBox& compensationBox(TemperatureSensor sensor) { return *m_boxes[slot(sensor)]; }
    SettingSpin& compensationSpin(TemperatureSensor sensor) { return *m_spins[slot(sensor)]; }

    void load();
    void refreshLabels();
    // A group's caption carries the user's name of its sensor.
    void setSensorName(TemperatureSensor sensor, const std::string& name);

private:
    static std::size_t slot(TemperatureSensor sensor);

    SettingsEditor& m_editor;
    const PageServices& m_services;
    std::array<QRadioButton*, 4> m_cpuTypes{};
    SettingSpin* m_customAdd = nullptr;
    std::array<QGroupBox*, 3> m_groups{};
    std::array<QCheckBox*, 3> m_boxes{};
    std::array<SettingSpin*, 3> m_spins{};
};

} // namespace cdx
