#pragma once

#include <QDialog>

#include "lifecycle/FirstRunDialogs.h"
#include "settings/CoreVoltageSpin.h"

class QGroupBox;
class QLabel;
class QRadioButton;
class QToolButton;

namespace cdx {

// "Caldrix Startup Settings" (`TForm2`): the core voltage with its arrows,
// the port that reads it (each port's caption shows its reading) and the CPU
// type. The core voltage questions are hidden without a chip, the CPU type
// question where it does not apply. "OK" closes it.
class StartupSettingsDialog : public QDialog {
    Q_OBJECT
public:
    explicit StartupSettingsDialog(const StartupQuestions& questions, QWidget* parent = nullptr);

    // The answers as they stand.
    StartupChoices choices() const;

    void stepUp();
    void stepDown();

private:
    void showVoltage();

    StartupQuestions m_questions;
    CoreVoltageSpin m_spin;
    QGroupBox* m_voltageGroup = nullptr;
    QGroupBox* m_cpuGroup = nullptr;
    QLabel* m_voltage = nullptr;
    QRadioButton* m_port1 = nullptr;
    QRadioButton* m_amd = nullptr;
    QRadioButton* m_cyrix = nullptr;
};

} // namespace cdx
