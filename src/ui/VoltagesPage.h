#pragma once

#include <QLabel>
#include <QWidget>

#include "ui/PageServices.h"

class QRadioButton;

namespace cdx {

class AlarmActionsBox;
class SettingSpin;
class SettingsEditor;
class SubPageSelector;

// The "Voltages" tab: "Voltage Settings" (the tolerance, the voltage alarm's
// actions, the nominal core voltage and its port) and "+3.3 Settings" (the
// +3.3 rail's nominal value).
class VoltagesPage : public QWidget {
    Q_OBJECT
public:
    VoltagesPage(SettingsEditor& editor, const PageServices& services, QWidget* parent = nullptr);

    SubPageSelector& selector() { return *m_selector; }
    SettingSpin& tolerance() { return *m_tolerance; }
    SettingSpin& coreVoltage() { return *m_coreVoltage; }
    SettingSpin& plus33Voltage() { return *m_plus33; }
    AlarmActionsBox& actions() { return *m_actions; }
    QRadioButton& port0() { return *m_port0; }
    QRadioButton& port1() { return *m_port1; }

    void load();
    void refreshLabels();
    // One line under the core voltage on how it is checked; empty hides it.
    void setCoreVoltageNote(const QString& note);
    QLabel& coreVoltageNote() { return *m_coreNote; }

private:
    QWidget* buildSettingsPanel(SettingsEditor& editor);
    QWidget* buildPlus33Panel(SettingsEditor& editor);

    const PageServices& m_services;
    SubPageSelector* m_selector = nullptr;
    SettingSpin* m_tolerance = nullptr;
    SettingSpin* m_coreVoltage = nullptr;
    QLabel* m_coreNote = nullptr;
    SettingSpin* m_plus33 = nullptr;
    AlarmActionsBox* m_actions = nullptr;
    QRadioButton* m_port0 = nullptr;
    QRadioButton* m_port1 = nullptr;
};

} // namespace cdx
