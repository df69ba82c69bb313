#pragma once

#include <string>

#include <QWidget>

#include "sensors/SensorSet.h"
#include "ui/PageServices.h"

class QGroupBox;
class QRadioButton;

namespace cdx {

class AlarmActionsBox;
class SettingSpin;
class SettingsEditor;

// One fan's panel of the "Fan's" tab: its nominal speed, the tolerance of its
// alarm, the alarm's actions and the fan's type.
class FanPanel : public QWidget {
    Q_OBJECT
public:
    FanPanel(Fan fan, SettingsEditor& editor, const PageServices& services, QWidget* parent = nullptr);

    SettingSpin& rpm() { return *m_rpm; }
    SettingSpin& offMark() { return *m_offMark; }
    AlarmActionsBox& actions() { return *m_actions; }
    QRadioButton& type1() { return *m_type1; }
    QRadioButton& type2() { return *m_type2; }

    void load();
    void refreshLabels();
    // The alarm group's caption carries the user's fan name.
    void setFanName(const std::string& name);

private:
    Fan m_fan;
    const PageServices& m_services;
    QGroupBox* m_group = nullptr;
    SettingSpin* m_rpm = nullptr;
    SettingSpin* m_offMark = nullptr;
    AlarmActionsBox* m_actions = nullptr;
    QRadioButton* m_type1 = nullptr;
    QRadioButton* m_type2 = nullptr;
};

} // namespace cdx
