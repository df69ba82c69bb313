#pragma once

#include <array>

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QWidget>

#include "sensors/SensorSet.h"

namespace cdx {

class SensorNames;
class SpinArrows;
class TrayIcons;
struct Settings;

// The "System Tray" page of the Visual tab: show mode (an icon per chosen
// temperature) or swap mode (one icon cycling through the chosen ones), the
// show and swap boxes (editable only in their mode and for switched-on
// sensors), the icons' lines and degree sign, and the swap interval.
class SystemTrayPanel : public QWidget {
    Q_OBJECT
public:
    // Settings and tray icons must outlive the panel.
    SystemTrayPanel(Settings& settings, TrayIcons& tray, QWidget* parent = nullptr);

    QRadioButton& showMode() { return *m_showMode; }
    QRadioButton& swapMode() { return *m_swapMode; }
    QCheckBox& showBox(TemperatureSensor sensor) { return *m_showBoxes[at(sensor)]; }
    QCheckBox& swapBox(TemperatureSensor sensor) { return *m_swapBoxes[at(sensor)]; }
    QCheckBox& linesBox() { return *m_lines; }
    QCheckBox& degreeBox() { return *m_degree; }
    SpinArrows& swapIntervalArrows() { return *m_intervalArrows; }
    QLabel& swapIntervalLabel() { return *m_intervalLabel; }

    // Shows what the settings and the tray hold.
    void load();
    void refreshLabels();
    // The boxes' states and editability after the tray changed them.
    void refreshBoxes();
    // Registers the show and swap boxes' captions with the names.
    void attachNames(SensorNames& names);

private:
    static std::size_t at(TemperatureSensor sensor) { return static_cast<std::size_t>(sensor); }

    Settings& m_settings;
    TrayIcons& m_tray;
    QRadioButton* m_showMode = nullptr;
    QRadioButton* m_swapMode = nullptr;
    std::array<QCheckBox*, 4> m_showBoxes{};
    std::array<QCheckBox*, 4> m_swapBoxes{};
    QCheckBox* m_lines = nullptr;
    QCheckBox* m_degree = nullptr;
    SpinArrows* m_intervalArrows = nullptr;
    QLabel* m_intervalLabel = nullptr;
};

} // namespace cdx
