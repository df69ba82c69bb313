#pragma once

#include <functional>

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace cdx {

class CpuIdleLauncher;
class SensorNames;
class Shell;
class SpinArrows;
class SubPageSelector;
struct Settings;

// The CPUIdle tab: the sensor that drives CPU Idle, the launch and close
// thresholds with their boxes, "Apply"; the event list with "Reset"; a page
// about CPU Idle. The settings change at once; "Apply" writes them all.
class CpuIdlePage : public QWidget {
    Q_OBJECT
public:
    struct Parts {
        Settings& settings;
        CpuIdleLauncher& launcher;
        // Writes every setting (the "Apply" button).
        std::function<void()> saveSettings;
        // Opens the CPU Idle web page; none: the link does nothing.
        Shell* shell = nullptr;
    };

    explicit CpuIdlePage(Parts parts, QWidget* parent = nullptr);

    // Shows what the settings hold: the chosen sensor, both boxes with their
    // labels and arrows enabled to match, both thresholds.
    void load();
    // Rewrites the texts that restate settings: the sensor names, both
    // "If Sensor: " labels and both threshold texts.
    void refreshLabels();
    // A renamed temperature shows at once in the sensor list and, when it is
    // the chosen one, in both "If Sensor: " labels. The names must outlive
    // the page's handlers, which stay registered.
    void attachNames(SensorNames& names);
    // Show & Expand: the first sub-page, "Apply" disabled.
    void resetForExpand();

    SubPageSelector& selector() { return *m_selector; }
    QComboBox& sensorList() { return *m_sensor; }
    QCheckBox& launchBox() { return *m_launchBox; }
    QCheckBox& closeBox() { return *m_closeBox; }
    QLabel& launchSensorLabel() { return *m_launchSensor; }
    QLabel& closeSensorLabel() { return *m_closeSensor; }
    QLabel& launchThresholdLabel() { return *m_launchThreshold; }
    QLabel& closeThresholdLabel() { return *m_closeThreshold; }
    SpinArrows& launchArrows() { return *m_launchArrows; }
    SpinArrows& closeArrows() { return *m_closeArrows; }
    QPushButton& applyButton() { return *m_apply; }
    QPlainTextEdit& eventList() { return *m_events; }
    QPushButton& resetButton() { return *m_reset; }
    QLabel& aboutLink() { return *m_link; }

private:
    QWidget* buildSettingsPanel();
    QWidget* buildInfoPanel();
    QWidget* buildAboutPanel();

    void chooseSensor(int index);
    void launchBoxClicked(); // CheckBox77Click
    void closeBoxClicked();  // CheckBox78Click
    void stepThresholds(bool launch, bool up);
    void applyClicked();
    void showOptionsAvailable(bool available);
    void syncLaunchGroup();
    void syncCloseGroup();
    void refreshThresholdTexts();
    void refreshSensorCaptions();

    Parts m_parts;
    SubPageSelector* m_selector = nullptr;
    QComboBox* m_sensor = nullptr;
    QCheckBox* m_launchBox = nullptr;
    QLabel* m_launchSensor = nullptr;
    QLabel* m_launchThreshold = nullptr;
    SpinArrows* m_launchArrows = nullptr;
    QCheckBox* m_closeBox = nullptr;
    QLabel* m_closeSensor = nullptr;
    QLabel* m_closeThreshold = nullptr;
    SpinArrows* m_closeArrows = nullptr;
    QPushButton* m_apply = nullptr;
    QPlainTextEdit* m_events = nullptr;
    QPushButton* m_reset = nullptr;
    QLabel* m_link = nullptr;
};

} // namespace cdx
