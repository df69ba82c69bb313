#include "ui/FansPage.h"

#include <QVBoxLayout>

#include "settings/Settings.h"
#include "ui/FanPanel.h"
#include "ui/PageWidgets.h"
#include "ui/SettingSpin.h"
#include "ui/SubPageSelector.h"

namespace cdx {

FansPage::FansPage(SettingsEditor& editor, const PageServices& services, QWidget* parent) : QWidget(parent)
{
    setObjectName("FansPage");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_selector = new SubPageSelector("FanTabComboBox", "Fan pages", this);
    layout->addWidget(m_selector);

    auto* settingsPanel = new QWidget;
    settingsPanel->setObjectName("FanSettingsPanel");
    auto* panelLayout = new QVBoxLayout(settingsPanel);
    m_ignore =
        new SettingSpin(editor, SpinSetting::IgnoreFanAlarm, "IgnoreFanAlarmSpinButton", "Label110", settingsPanel);
    panelLayout->addWidget(m_ignore);
    panelLayout->addStretch(1);
    m_selector->addEntry("Fan Settings", settingsPanel);

    for (const Fan fan : {Fan::Fan1, Fan::Fan2, Fan::Fan3}) {
        auto* panel = new FanPanel(fan, editor, services);
        m_panels[static_cast<std::size_t>(fan)] = panel;
        m_selector->addEntry(QString::fromStdString(services.settings.fan(fan).name), scrollable(panel));
    }
}

void FansPage::load()
{
    for (FanPanel* panel : m_panels) {
        panel->load();
    }
    refreshLabels();
}

void FansPage::refreshLabels()
{
    m_ignore->refreshLabel();
    for (FanPanel* panel : m_panels) {
        panel->refreshLabels();
    }
}

void FansPage::setFanName(Fan fan, const std::string& name)
{
    const auto index = static_cast<std::size_t>(fan);
    m_selector->setEntryText(static_cast<int>(index) + 1, QString::fromStdString(name));
    m_panels[index]->setFanName(name);
    m_selector->reset();
}

} // namespace cdx
