#include "ui/VoltagesPage.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "settings/Settings.h"
#include "ui/AlarmActionsBox.h"
#include "ui/PageWidgets.h"
#include "ui/SettingSpin.h"
#include "ui/SubPageSelector.h"

namespace cdx {

VoltagesPage::VoltagesPage(SettingsEditor& editor, const PageServices& services, QWidget* parent)
    : QWidget(parent), m_services(services)
{
    setObjectName("VoltagesPage");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_selector = new SubPageSelector("VoltTabComboBox", "Voltage pages", this);
    layout->addWidget(m_selector);
    m_selector->addEntry("Voltage Settings", scrollable(buildSettingsPanel(editor)));
    m_selector->addEntry("+3.3 Settings", scrollable(buildPlus33Panel(editor)));
    load();
}

QWidget* VoltagesPage::buildSettingsPanel(SettingsEditor& editor)
{
    auto* panel = new QWidget;
    panel->setObjectName("VoltageSettingsPanel");
    auto* layout = new QVBoxLayout(panel);
    layout->setSpacing(2);

    auto* alarm = makeGroup(panel, "VoltageAlarmGroupBox", "Voltage Alarm Settings");
    auto* alarmLayout = new QVBoxLayout(alarm);
    alarmLayout->setSpacing(1);
    m_tolerance = new SettingSpin(editor, SpinSetting::VoltageTolerance, "VoltageOffSpinButton", "Label17", alarm);
    m_tolerance->setOnClicked([this](bool changed) {
        if (changed && m_services.pollIfActive) {
            m_services.pollIfActive();
        }
    });
    alarmLayout->addWidget(m_tolerance);
    m_actions = new AlarmActionsBox(AlarmActionsBox::Names{.enable = "CheckBox2",
                                                           .run = "CheckBox16",
                                                           .runLabel = "Label24",
                                                           .wave = "CheckBox19",
                                                           .waveLabel = "Label27",
                                                           .showMessage = "CheckBox51",
                                                           .pcSpeaker = "CheckBox52",
                                                           .runCaption = "On Voltage Alarm run:",
                                                           .waveCaption = "On Voltage Alarm play:",
                                                           .prefix = "Voltage"},
                                    m_services.settings.voltageAlarmEnabled, m_services.settings.voltageActions,
                                    m_services, alarm);
    alarmLayout->addWidget(m_actions);
    layout->addWidget(alarm);

    auto* core = makeGroup(panel, "CoreSettingsGroupBox", "Core Settings");
    auto* coreLayout = new QVBoxLayout(core);
    m_coreVoltage = new SettingSpin(editor, SpinSetting::CoreVoltage, "CoreVoltageSpinButton", "Label11", core);
    coreLayout->addWidget(m_coreVoltage);
    m_coreNote = new QLabel(core);
    m_coreNote->setObjectName("CoreVoltageNote");
    m_coreNote->setAccessibleName("How the core voltage is checked");
    m_coreNote->setTextFormat(Qt::PlainText);
    m_coreNote->setWordWrap(true);
    m_coreNote->hide();
    coreLayout->addWidget(m_coreNote);
    m_port0 = makeRadioButton(core, "RadioButton1", "Port 0");
    m_port1 = makeRadioButton(core, "RadioButton2", "Port 1");
    auto* ports = new QButtonGroup(core);
    ports->addButton(m_port0);
    ports->addButton(m_port1);
    auto* portRow = new QHBoxLayout;
    portRow->addWidget(m_port0);
    portRow->addWidget(m_port1);
    coreLayout->addLayout(portRow);
    const auto portChosen = [this](bool port1) {
        m_services.settings.coreVoltagePort1 = port1;
        if (m_services.pollIfActive) {
            m_services.pollIfActive();
        }
    };
    connect(m_port0, &QRadioButton::clicked, this, [portChosen] { portChosen(false); });
    connect(m_port1, &QRadioButton::clicked, this, [portChosen] { portChosen(true); });
    layout->addWidget(core);
    layout->addStretch(1);
    return panel;
}

QWidget* VoltagesPage::buildPlus33Panel(SettingsEditor& editor)
{
    auto* panel = new QWidget;
    panel->setObjectName("Plus33SettingsPanel");
    auto* layout = new QVBoxLayout(panel);
    auto* group = makeGroup(panel, "Customize33GroupBox", "Customize +3.3");
    auto* groupLayout = new QVBoxLayout(group);
    m_plus33 = new SettingSpin(editor, SpinSetting::Plus33Voltage, "Custom33SpinButton", "Custom33Label", group);
    m_plus33->setOnClicked([this](bool changed) {
        if (changed && m_services.plus33Changed) {
            m_services.plus33Changed();
        }
    });
    groupLayout->addWidget(m_plus33);
    layout->addWidget(group);
    layout->addStretch(1);
    return panel;
}

void VoltagesPage::load()
{
    m_actions->load();
    {
        const QSignalBlocker quiet0(m_port0);
        const QSignalBlocker quiet1(m_port1);
        (m_services.settings.coreVoltagePort1 ? m_port1 : m_port0)->setChecked(true);
    }
    refreshLabels();
}

void VoltagesPage::refreshLabels()
{
    m_tolerance->refreshLabel();
    m_coreVoltage->refreshLabel();
    m_plus33->refreshLabel();
}

void VoltagesPage::setCoreVoltageNote(const QString& note)
{
    m_coreNote->setText(note);
    m_coreNote->setAccessibleDescription(note);
    m_coreNote->setVisible(!note.isEmpty());
}

} // namespace cdx
