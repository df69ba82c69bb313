#pragma once

#include <array>
#include <string>

#include <QWidget>

#include "sensors/SensorSet.h"
#include "ui/PageServices.h"

class QCheckBox;
class QComboBox;
class QPushButton;
class QSlider;

namespace cdx {

class SettingSpin;
class SettingsEditor;
class SubPageSelector;

// The "General" tab: "General 1" (poll interval, start-up and exit, the
// start-up tab, autorun, popup log items, looping waves, desktop
// notifications), "General 2" (the
// four sensor switches, the speaker tone, "Round °F" and the degree sign) and
// "System Info".
class GeneralPage : public QWidget {
    Q_OBJECT
public:
    GeneralPage(SettingsEditor& editor, const PageServices& services, QWidget* parent = nullptr);

    SubPageSelector& selector() { return *m_selector; }
    QCheckBox& sensorSwitch(TemperatureSensor sensor) { return *m_switches[static_cast<std::size_t>(sensor)]; }
    QCheckBox& runOnStartupBox() { return *m_runOnStartup; }
    QWidget& systemInfoPanel() { return *m_systemInfo; }

    // Shows what the settings hold, running no handler.
    void load();
    void refreshLabels();
    // The switches show the sensor switches' state and what they allow.
    void refreshSwitches();
    // The caption of a sensor's switch carries the user's name of it.
    void setSensorName(TemperatureSensor sensor, const std::string& name);
    // The box shows whether the autorun entry exists, without touching it.
    void showRunOnStartup(bool exists);

private:
    QWidget* buildFirstPanel();
    QWidget* buildSecondPanel();
    void temperatureTextClicked();

    SettingsEditor& m_editor;
    const PageServices& m_services;
    SubPageSelector* m_selector = nullptr;
    SettingSpin* m_interval = nullptr;
    QCheckBox* m_startInTray = nullptr;
    QCheckBox* m_exitQuestion = nullptr;
    QComboBox* m_tabOnTop = nullptr;
    QCheckBox* m_runOnStartup = nullptr;
    QCheckBox* m_showLogOnPopup = nullptr;
    QCheckBox* m_loopWaves = nullptr;
    QCheckBox* m_desktopNotifications = nullptr;
    std::array<QCheckBox*, 4> m_switches{};
    QSlider* m_speaker = nullptr;
    QPushButton* m_speakerTest = nullptr;
    QCheckBox* m_roundFahrenheit = nullptr;
    QCheckBox* m_degreeSymbol = nullptr;
    QWidget* m_systemInfo = nullptr;
};

} // namespace cdx
