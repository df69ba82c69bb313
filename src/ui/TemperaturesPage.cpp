#include "ui/TemperaturesPage.h"

#include <QVBoxLayout>

#include "settings/Settings.h"
#include "ui/PageWidgets.h"
#include "ui/SubPageSelector.h"
#include "ui/TemperaturePanel.h"

namespace cdx {

TemperaturesPage::TemperaturesPage(SettingsEditor& editor, const PageServices& services, QWidget* parent)
    : QWidget(parent)
{
    setObjectName("TemperaturesPage");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_selector = new SubPageSelector("TempTabComboBox", "Temperature sensors", this);
    layout->addWidget(m_selector);
    for (const TemperatureSensor sensor :
         {TemperatureSensor::WB1, TemperatureSensor::LM75, TemperatureSensor::WB2, TemperatureSensor::WB3}) {
        auto* panel = new TemperaturePanel(sensor, editor, services);
        m_panels[static_cast<std::size_t>(sensor)] = panel;
        m_selector->addEntry(QString::fromStdString(services.settings.temperature(sensor).name), scrollable(panel));
    }
}

void TemperaturesPage::load()
{
    for (TemperaturePanel* panel : m_panels) {
        panel->load();
    }
}

void TemperaturesPage::refreshLabels()
{
    for (TemperaturePanel* panel : m_panels) {
        panel->refreshLabels();
    }
}

void TemperaturesPage::setSensorName(TemperatureSensor sensor, const std::string& name)
{
    const auto index = static_cast<std::size_t>(sensor);
    m_selector->setEntryText(static_cast<int>(index), QString::fromStdString(name));
    m_panels[index]->setSensorName(name);
    m_selector->reset();
}

} // namespace cdx
