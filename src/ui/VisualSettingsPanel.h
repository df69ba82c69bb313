#pragma once

#include <QColor>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QWidget>

#include "sensors/SensorSet.h"
#include "settings/Settings.h"

namespace cdx {

class SensorNames;
class TrayIcons;

// The "Visual Settings" page of the Visual tab: the look of one temperature's
// tray icon at a time. The sensor list chooses the temperature and loads its
// style into the font-name list, the two colour buttons and the size slider;
// every change is stored at once and the icons are drawn again.
class VisualSettingsPanel : public QWidget {
    Q_OBJECT
public:
    static constexpr int MinFontSize = 6;
    static constexpr int MaxFontSize = 12;

    // Settings and tray icons must outlive the panel.
    VisualSettingsPanel(Settings& settings, TrayIcons& tray, QWidget* parent = nullptr);

    QComboBox& sensorList() { return *m_sensors; }
    QComboBox& fontList() { return *m_font; }
    QPushButton& fontColourButton() { return *m_fontColour; }
    QPushButton& backgroundButton() { return *m_background; }
    QSlider& sizeSlider() { return *m_size; }

    // The sensor whose style the editors show.
    TemperatureSensor chosenSensor() const;
    // Chooses a sensor from the list and loads its style into the editors.
    void chooseSensor(int index);
    // Back to the first sensor, applied.
    void reset() { chooseSensor(0); }

    // What the colour dialogs hand back; also for keyboard-free callers.
    void setFontColour(const QColor& colour);
    void setBackground(const QColor& colour);

    // Registers the sensor list's entries with the names.
    void attachNames(SensorNames& names);

    // A stored colour (0x00BBGGRR, or a system colour) as shown on screen.
    static QColor shownColour(std::uint32_t colour);
    static std::uint32_t storedColour(const QColor& colour);

private:
    TrayStyle style() const;
    void store(const TrayStyle& style);
    void showStyle();
    void pickColour(bool font);

    Settings& m_settings;
    TrayIcons& m_tray;
    QComboBox* m_sensors = nullptr;
    QComboBox* m_font = nullptr;
    QPushButton* m_fontColour = nullptr;
    QPushButton* m_background = nullptr;
    QSlider* m_size = nullptr;
    QLabel* m_sizeLabel = nullptr;
    bool m_showing = false;
};

} // namespace cdx
