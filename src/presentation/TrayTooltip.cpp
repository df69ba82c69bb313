#include "presentation/TrayTooltip.h"

#include "presentation/GaugeSet.h"
#include "presentation/ReadingsPanel.h"
#include "presentation/TraySettings.h"

namespace cdx {

namespace {

void appendItem(std::string& text, const std::string& name, const std::string& value)
{
    text += name;
    text += ": ";
    text += value;
    text += ' ';
}

} // namespace

TrayTooltip::TrayTooltip(const Settings& settings, const GaugeSet& gauges, const ReadingsPanel& readings)
    : m_settings(settings), m_gauges(gauges), m_readings(readings)
{
}

const std::string& TrayTooltip::label(TemperatureSensor sensor) const
{
    return m_gauges[sensor].centerLabel();
}

std::string TrayTooltip::createToolTip() const
{
    std::string text;
    for (const TemperatureSensor sensor : TraySettings::Sensors) {
        if (TraySettings::tooltipBox(m_settings, sensor)) {
            appendItem(text, TraySettings::name(m_settings, sensor), label(sensor));
        }
    }
    const std::array<std::pair<bool, const std::string*>, 3> fans{{
        {m_settings.fan(Fan::Fan1).tooltip, &m_settings.fan(Fan::Fan1).name},
        {m_settings.fan(Fan::Fan2).tooltip, &m_settings.fan(Fan::Fan2).name},
        {m_settings.fan(Fan::Fan3).tooltip, &m_settings.fan(Fan::Fan3).name},
    }};
    for (std::size_t i = 0; i < fans.size(); ++i) {
        if (fans[i].first) {
            appendItem(text, *fans[i].second, m_readings.fanText(static_cast<Fan>(i)));
        }
    }
    return text;
}

std::string TrayTooltip::iconToolTip(TemperatureSensor sensor) const
{
    if (m_settings.tooltipOnAllIcons) {
        return createToolTip();
    }
    return TraySettings::name(m_settings, sensor);
}

} // namespace cdx
