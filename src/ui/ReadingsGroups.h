#pragma once

#include <array>
#include <string>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QWidget>

#include "presentation/ReadingsPanel.h"
#include "sensors/SensorSet.h"

namespace cdx {

struct Settings;

// The window's "Voltage Monitor" group (a box per rail that decides whether
// the rail is watched, and its value label, red when out of band) and its
// "Fan Speed /RPM" group (the fans' names and speeds), showing what the poll
// wrote into the readings panel.
class ReadingsGroups : public QWidget {
    Q_OBJECT
public:
    static constexpr int Width = 169;

    // Settings and panel must outlive the widget.
    ReadingsGroups(Settings& settings, const ReadingsPanel& readings, QWidget* parent = nullptr);

    QGroupBox& voltageGroup() { return *m_voltageGroup; }
    QGroupBox& fanGroup() { return *m_fanGroup; }
    QCheckBox& voltageBox(VoltageRail rail) { return *m_voltageBoxes[at(rail)]; }
    QLabel& voltageLabel(VoltageRail rail) { return *m_voltageLabels[at(rail)]; }
    QLabel& fanNameLabel(Fan fan) { return *m_fanNames[at(fan)]; }
    QLabel& fanRpmLabel(Fan fan) { return *m_fanRpms[at(fan)]; }

    // Shows the current text of one item of the readings panel.
    void refresh(ReadingsPanel::Item item, int index);
    // Shows every voltage and fan text.
    void refreshAll();
    // Shows the fan names, the voltage boxes and the +3.3 caption as the
    // settings hold them.
    void applySettings(const std::string& decimalSeparator = ".");

    // The fan's name label takes the name; its speed label moves to 10 pixels
    // right of the name.
    void setFanName(Fan fan, const std::string& name);
    // The +3.3 box follows the custom nominal value ("+3.35 Voltage").
    void refreshPlus33Caption(const std::string& decimalSeparator = "."); // SetAll33VoltText
    // The boxes show the watched state of the settings.
    void loadVoltageBoxes();

private:
    static std::size_t at(VoltageRail rail) { return static_cast<std::size_t>(rail); }
    static std::size_t at(Fan fan) { return static_cast<std::size_t>(fan); }
    bool& watched(VoltageRail rail);

    Settings& m_settings;
    const ReadingsPanel& m_readings;
    QGroupBox* m_voltageGroup = nullptr;
    QGroupBox* m_fanGroup = nullptr;
    std::array<QCheckBox*, 6> m_voltageBoxes{};
    std::array<QLabel*, 6> m_voltageLabels{};
    std::array<QLabel*, 3> m_fanNames{};
    std::array<QLabel*, 3> m_fanRpms{};
};

} // namespace cdx
