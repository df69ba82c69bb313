#include "ui/StartupSettingsDialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "lifecycle/FirstRunSequence.h"
#include "ui/DialogText.h"

namespace cdx {

namespace {

QRadioButton* radio(QWidget* parent, const char* name, const QString& caption, bool checked)
{
    auto* button = new QRadioButton(caption, parent);
    button->setObjectName(name);
    button->setChecked(checked);
    return button;
}

QToolButton* arrow(QWidget* parent, const char* name, Qt::ArrowType type, const char* accessible)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setArrowType(type);
    button->setAccessibleName(accessible);
    button->setFocusPolicy(Qt::StrongFocus);
    button->setAutoRepeat(true);
    return button;
}

} // namespace

StartupSettingsDialog::StartupSettingsDialog(const StartupQuestions& questions, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_questions(questions),
      m_spin(questions.coreVoltage)
{
    setObjectName("TForm2");
    setWindowTitle("Caldrix Startup Settings");
    setFont(DialogText::font());
    auto* layout = new QVBoxLayout(this);

    m_voltageGroup = new QGroupBox("Core Voltage Questions", this);
    m_voltageGroup->setObjectName("GroupBox1");
    auto* voltage = new QGridLayout(m_voltageGroup);
    voltage->addWidget(DialogText::paragraph(m_voltageGroup, "Label1",
                                             "To make sure this program runs correctly you need to set 2 properties. "),
                       0, 0, 1, 3);
    voltage->addWidget(DialogText::paragraph(m_voltageGroup, "Label2",
                                             "1- use the up and down buttons to set your CPU Core Voltage according "
                                             "to you Motherboard, CPU & BIOS. "),
                       1, 0, 1, 3);
    voltage->addWidget(
        DialogText::paragraph(m_voltageGroup, "Label3", "2 - check the Port which is closest to your Core Voltage. "),
        2, 0, 1, 3);
    m_voltage = new QLabel(m_voltageGroup);
    m_voltage->setObjectName("Label4");
    voltage->addWidget(m_voltage, 3, 0);
    QToolButton* up = arrow(m_voltageGroup, "SpinButton1Up", Qt::UpArrow, "Core voltage up");
    QToolButton* down = arrow(m_voltageGroup, "SpinButton1Down", Qt::DownArrow, "Core voltage down");
    connect(up, &QToolButton::clicked, this, &StartupSettingsDialog::stepUp);
    connect(down, &QToolButton::clicked, this, &StartupSettingsDialog::stepDown);
    voltage->addWidget(up, 3, 1);
    voltage->addWidget(down, 3, 2);
    const std::string& separator = questions.decimalSeparator;
    auto* port0 =
        radio(m_voltageGroup, "RadioButton1",
              QString::fromStdString(FirstRunSequence::portCaption(0, questions.port0Volts, separator)), true);
    m_port1 = radio(m_voltageGroup, "RadioButton2",
                    QString::fromStdString(FirstRunSequence::portCaption(1, questions.port1Volts, separator)), false);
    voltage->addWidget(port0, 4, 0, 1, 3);
    voltage->addWidget(m_port1, 5, 0, 1, 3);
    m_voltageGroup->setVisible(questions.chipDetected);
    layout->addWidget(m_voltageGroup);

    m_cpuGroup = new QGroupBox("CPU Type Questions (for LM75)", this);
    m_cpuGroup->setObjectName("GroupBox2");
    auto* cpu = new QVBoxLayout(m_cpuGroup);
    cpu->addWidget(DialogText::paragraph(
        m_cpuGroup, "Label5",
        "To make sure this program runs correclty you need to select your CPU type. If the program is still a bit off "
        "compared to your Bios you can adjust custom compensation in the compensation tab"));
    cpu->addWidget(radio(m_cpuGroup, "RadioButton3", "Intel", true));
    m_amd = radio(m_cpuGroup, "RadioButton4", "AMD", false);
    m_cyrix = radio(m_cpuGroup, "RadioButton5", "Cyrix", false);
    cpu->addWidget(m_amd);
    cpu->addWidget(m_cyrix);
    m_cpuGroup->setVisible(questions.askCpuType);
    layout->addWidget(m_cpuGroup);

    DialogText::addOkButton(this, layout);
    setFixedWidth(400);
    showVoltage();
}

void StartupSettingsDialog::showVoltage()
{
    m_voltage->setText(QString::fromStdString(m_spin.caption(m_questions.decimalSeparator)));
}

void StartupSettingsDialog::stepUp()
{
    m_spin.up();
    showVoltage();
}

void StartupSettingsDialog::stepDown()
{
    m_spin.down();
    showVoltage();
}

StartupChoices StartupSettingsDialog::choices() const
{
    StartupChoices result;
    result.coreVoltage = m_spin.volts();
    result.port1 = m_port1->isChecked();
    result.cpuType = m_amd->isChecked() ? CpuType::Amd : m_cyrix->isChecked() ? CpuType::Cyrix : CpuType::Intel;
    return result;
}

} // namespace cdx
