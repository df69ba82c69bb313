#include "history/SpanDescription.h"

#include "sensors/Formats.h"
#include "sensors/TemperatureConversion.h"

namespace cdx {

SpanDescription::SpanDescription(TemperatureDisplay display, TimeText timeText)
    : m_display(std::move(display)), m_timeText(std::move(timeText))
{
}

std::string SpanDescription::valueText(HistoryGroup group, double value) const
{
    switch (group) {
    case HistoryGroup::Temperatures:
        return lowHighLabel(value, m_display);
    case HistoryGroup::Voltages:
        return formatFixed(value, 2, m_display.decimalSeparator);
    case HistoryGroup::Fans:
        break;
    }
    return formatFixed(value, 0, m_display.decimalSeparator);
}

std::string SpanDescription::averageText(HistoryGroup group, double value) const
{
    if (group == HistoryGroup::Temperatures && m_display.scale == TemperatureScale::Fahrenheit) {
        value = static_cast<double>(toFahrenheit(value));
    }
    return formatFixed(value, 2, m_display.decimalSeparator);
}

std::string SpanDescription::unit(HistoryGroup group) const
{
    switch (group) {
    case HistoryGroup::Temperatures:
        return m_display.degreeText + (m_display.scale == TemperatureScale::Fahrenheit ? "F" : "C");
    case HistoryGroup::Voltages:
        return "V";
    case HistoryGroup::Fans:
        break;
    }
    return "RPM";
}

std::string SpanDescription::describe(HistoryGroup group, const SpanSummary& summary,
                                      const std::array<std::string, Readings::ChannelCount>& names) const
{
    const ChannelRange range = channelsOf(group);
    const std::string u = " " + unit(group);
    std::string text;
    for (std::size_t c = range.first; c < range.first + range.count; ++c) {
        const ChannelSummary& s = summary[c];
        if (!s.any) {
            continue;
        }
        if (!text.empty()) {
            text += ' ';
        }
        text += names[c] + ": now " + valueText(group, s.now) + u + ", lowest " + valueText(group, s.lowest) + u +
                " at " + m_timeText(s.lowestAt) + ", highest " + valueText(group, s.highest) + u + " at " +
                m_timeText(s.highestAt) + ", average " + formatFixed(s.average, 2, m_display.decimalSeparator) + u +
                ".";
    }
    return text.empty() ? std::string("No readings in this span.") : text;
}

} // namespace cdx
