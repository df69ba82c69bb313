#include "ui/VisualPage.h"

#include <QVBoxLayout>

#include "ui/NamesPanel.h"
#include "ui/SubPageSelector.h"
#include "ui/SystemTrayPanel.h"
#include "ui/TooltipPanel.h"
#include "ui/VisualSettingsPanel.h"

namespace cdx {

VisualPage::VisualPage(Settings& settings, SensorNames& names, TrayIcons& tray, QWidget* parent) : QWidget(parent)
{
    setObjectName("VisualPage");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    m_selector = new SubPageSelector("VisualTabComboBox", "Visual page", this);
    m_visualSettings = new VisualSettingsPanel(settings, tray);
    m_names = new NamesPanel(names);
    m_tooltip = new TooltipPanel(settings);
    m_systemTray = new SystemTrayPanel(settings, tray);
    m_selector->addEntry("Visual Settings", m_visualSettings);
    m_selector->addEntry("Names", m_names);
    m_selector->addEntry("Tooltip", m_tooltip);
    m_selector->addEntry("System Tray", m_systemTray);
    layout->addWidget(m_selector);

    m_visualSettings->attachNames(names);
    m_tooltip->attachNames(names);
    m_systemTray->attachNames(names);
}

void VisualPage::load()
{
    m_visualSettings->reset();
    m_names->load();
    m_tooltip->load();
    m_systemTray->load();
}

void VisualPage::refreshLabels()
{
    m_systemTray->refreshLabels();
}

} // namespace cdx
