#include "ui/CompensationPage.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "sensors/TemperatureText.h"
#include "settings/SensorCaptions.h"
#include "settings/Settings.h"
#include "settings/SettingsEditor.h"
#include "ui/PageWidgets.h"
#include "ui/SettingSpin.h"

namespace cdx {

namespace {

constexpr std::array<TemperatureSensor, 3> kCompensated{TemperatureSensor::WB1, TemperatureSensor::WB2,
                                                        TemperatureSensor::WB3};

struct CompensationNames {
    const char* prefix;
    const char* box;
    SpinSetting setting;
};

constexpr std::array<CompensationNames, 3> kNames{{
    {"MB", "CheckBox53", SpinSetting::WB1Compensation},
    {"WB2", "CheckBox68", SpinSetting::WB2Compensation},
    {"WB3", "CheckBox69", SpinSetting::WB3Compensation},
}};

} // namespace

std::size_t CompensationPage::slot(TemperatureSensor sensor)
{
    switch (sensor) {
    case TemperatureSensor::WB2:
        return 1;
    case TemperatureSensor::WB3:
        return 2;
    case TemperatureSensor::WB1:
    case TemperatureSensor::LM75:
        break;
    }
    return 0;
}

CompensationPage::CompensationPage(SettingsEditor& editor, const PageServices& services, QWidget* parent)
    : QWidget(parent), m_editor(editor), m_services(services)
{
    setObjectName("CompensationPage");
    auto* content = new QWidget;
    content->setObjectName("CompensationPanel");
    auto* layout = new QVBoxLayout(content);
    layout->setSpacing(2);

    auto* cpu = makeGroup(content, "CpuTypeGroupBox", "CPU Type (LM75)");
    auto* cpuGrid = new QGridLayout(cpu);
    cpuGrid->setVerticalSpacing(1);
    auto* cpuButtons = new QButtonGroup(cpu);
    const std::array<std::pair<const char*, const char*>, 4> buttons{{{"RadioButton3", "Intel (+22)"},
                                                                      {"RadioButton4", "AMD (+7)"},
                                                                      {"RadioButton5", "Cyrix (+16)"},
                                                                      {"RadioButton8", "Custom"}}};
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        m_cpuTypes[i] = makeRadioButton(cpu, buttons[i].first, buttons[i].second);
        cpuButtons->addButton(m_cpuTypes[i]);
        cpuGrid->addWidget(m_cpuTypes[i], static_cast<int>(i) / 2, static_cast<int>(i) % 2);
        const auto type = static_cast<CpuType>(i);
        connect(m_cpuTypes[i], &QRadioButton::clicked, this, [this, type] {
            m_editor.chooseCpuType(type);
            if (m_services.pollIfActive) {
                m_services.pollIfActive();
            }
        });
    }
    m_customAdd = new SettingSpin(editor, SpinSetting::CustomCpuAdd, "CustomCpuSpinButton", "Label29", cpu);
    m_customAdd->setOnClicked([this](bool changed) {
        if (changed && m_services.pollIfActive) {
            m_services.pollIfActive();
        }
    });
    cpuGrid->addWidget(m_customAdd, 2, 0, 1, 2);
    layout->addWidget(cpu);

    for (std::size_t i = 0; i < kCompensated.size(); ++i) {
        const TemperatureSensor sensor = kCompensated[i];
        const QString prefix = QString::fromLatin1(kNames[i].prefix);
        m_groups[i] = makeGroup(content, prefix + "CompensationGroupBox", {});
        auto* row = new QHBoxLayout(m_groups[i]);
        m_boxes[i] = makeCheckBox(m_groups[i], kNames[i].box, {});
        m_spins[i] = new SettingSpin(editor, kNames[i].setting, prefix + "CompensationSpinButton", {}, m_groups[i]);
        row->addWidget(m_boxes[i], 1);
        row->addWidget(m_spins[i]);
        connect(m_boxes[i], &QCheckBox::clicked, this, [this, sensor](bool on) {
            m_services.settings.temperature(sensor).compensationEnabled = on;
            if (m_services.pollIfActive) {
                m_services.pollIfActive();
            }
        });
        // The caption restates the value after every click, also at a bound.
        m_spins[i]->setOnClicked([this](bool) { refreshLabels(); });
        setSensorName(sensor, services.settings.temperature(sensor).name);
        layout->addWidget(m_groups[i]);
    }
    layout->addStretch(1);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(0, 0, 0, 0);
    page->addWidget(scrollable(content));
    load();
}

void CompensationPage::load()
{
    for (std::size_t i = 0; i < m_cpuTypes.size(); ++i) {
        const QSignalBlocker quiet(m_cpuTypes[i]);
        m_cpuTypes[i]->setChecked(static_cast<CpuType>(i) == m_editor.cpuType());
    }
    for (std::size_t i = 0; i < kCompensated.size(); ++i) {
        const QSignalBlocker quiet(m_boxes[i]);
        m_boxes[i]->setChecked(m_services.settings.temperature(kCompensated[i]).compensationEnabled);
    }
    refreshLabels();
}

void CompensationPage::refreshLabels()
{
    m_customAdd->refreshLabel();
    for (std::size_t i = 0; i < kCompensated.size(); ++i) {
        const QString caption = QString::fromStdString(m_editor.label(kNames[i].setting));
        m_boxes[i]->setText(caption);
        m_boxes[i]->setAccessibleName(caption);
    }
}

void CompensationPage::setSensorName(TemperatureSensor sensor, const std::string& name)
{
    QGroupBox* group = m_groups[slot(sensor)];
    group->setTitle(QString::fromStdString(compensationGroupCaption(name)));
    group->setAccessibleName(group->title());
}

} // namespace cdx
