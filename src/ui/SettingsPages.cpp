#include "ui/SettingsPages.h"

#include <initializer_list>
#include <utility>

#include <QLayout>

#include "settings/Settings.h"
#include "ui/CompensationPage.h"
#include "ui/FanPanel.h"
#include "ui/FansPage.h"
#include "ui/GeneralPage.h"
#include "ui/PageControl.h"
#include "ui/SubPageSelector.h"
#include "ui/TemperaturesPage.h"
#include "ui/VoltagesPage.h"

namespace cdx {

namespace {

// The tabs, in the page control's order.
enum Tab { GeneralTab, TemperaturesTab, VoltagesTab, FansTab, CompensationTab };

// The pages hold many controls on a small area: their layouts keep tight.
void tighten(QWidget* page)
{
    for (QLayout* layout : page->findChildren<QLayout*>()) {
        layout->setContentsMargins(3, 2, 3, 2);
        layout->setSpacing(2);
    }
}

} // namespace

SettingsPages::SettingsPages(PageControl& pages, GaugeScales& gauges, PageServices services)
    : QObject(&pages), m_services(std::move(services)), m_editor(m_services.settings, gauges, m_services.display)
{
    // The rounding and the degree text show in every temperature label.
    m_services.temperatureTextChanged = [this, outside = std::move(m_services.temperatureTextChanged)] {
        refreshLabels();
        if (outside) {
            outside();
        }
    };

    m_general = new GeneralPage(m_editor, m_services);
    pages.replacePage(GeneralTab, m_general);
    m_temperatures = new TemperaturesPage(m_editor, m_services);
    pages.replacePage(TemperaturesTab, m_temperatures);
    m_voltages = new VoltagesPage(m_editor, m_services);
    pages.replacePage(VoltagesTab, m_voltages);
    m_fans = new FansPage(m_editor, m_services);
    pages.replacePage(FansTab, m_fans);
    m_compensation = new CompensationPage(m_editor, m_services);
    pages.replacePage(CompensationTab, m_compensation);
    for (QWidget* page :
         std::initializer_list<QWidget*>{m_general, m_temperatures, m_voltages, m_fans, m_compensation}) {
        tighten(page);
    }
}

SettingsPages::~SettingsPages() = default;

void SettingsPages::load()
{
    m_general->load();
    m_temperatures->load();
    m_voltages->load();
    m_fans->load();
    m_compensation->load();
    const Settings& s = m_services.settings;
    for (const TemperatureSensor sensor :
         {TemperatureSensor::WB1, TemperatureSensor::LM75, TemperatureSensor::WB2, TemperatureSensor::WB3}) {
        setSensorName(sensor, s.temperature(sensor).name);
    }
    for (const Fan fan : {Fan::Fan1, Fan::Fan2, Fan::Fan3}) {
        setFanName(fan, s.fan(fan).name);
    }
}

void SettingsPages::refreshLabels()
{
    m_general->refreshLabels();
    m_temperatures->refreshLabels();
    m_voltages->refreshLabels();
    m_fans->refreshLabels();
    m_compensation->refreshLabels();
}

void SettingsPages::refreshSwitches()
{
    m_general->refreshSwitches();
}

void SettingsPages::resetSelectors()
{
    m_fans->selector().reset();
    m_general->selector().reset();
    m_temperatures->selector().reset();
    m_voltages->selector().reset();
    m_general->load();
}

void SettingsPages::setSensorName(TemperatureSensor sensor, const std::string& name)
{
    m_general->setSensorName(sensor, name);
    m_temperatures->setSensorName(sensor, name);
    if (sensor != TemperatureSensor::LM75) {
        m_compensation->setSensorName(sensor, name);
    }
}

void SettingsPages::setFanName(Fan fan, const std::string& name)
{
    m_fans->setFanName(fan, name);
}

} // namespace cdx
