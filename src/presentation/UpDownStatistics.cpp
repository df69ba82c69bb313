#include "presentation/UpDownStatistics.h"

#include <cmath>
#include <limits>

#include "sensors/Formats.h"
#include "sensors/TemperatureConversion.h"

namespace cdx {

UpDownStatistics::UpDownStatistics(LabelsChanged onLabelsChanged) : m_onLabelsChanged(std::move(onLabelsChanged))
{
}

void UpDownStatistics::feed(UpDownReading reading, double value, const TemperatureDisplay& display)
{
    Entry& e = m_entries[indexOf(reading)];
    if (value <= e.lowest || e.lowest == 0.0) {
        e.lowest = value;
        e.lowLabel = extremeLabel(reading, value, display);
    }
    if (value >= e.highest || e.highest == 0.0) {
        e.highest = value;
        e.highLabel = extremeLabel(reading, value, display);
    }

    // The average is guarded by itself: when it cannot be computed its label
    // keeps the previous text.
    long double shown = value;
    if (isTemperature(reading) && display.scale == TemperatureScale::Fahrenheit) {
        shown = toFahrenheit(value);
        if (display.roundFahrenheit) {
            shown = std::trunc(shown);
        }
    }
    const long double sum = e.sum + shown;
    if (e.count < std::numeric_limits<std::int32_t>::max() && std::isfinite(sum)) {
        e.sum = sum;
        ++e.count;
        e.averageLabel = formatFixed(static_cast<double>(e.sum / e.count), 2, display.decimalSeparator);
    }
    notify(reading);
}

void UpDownStatistics::reset()
{
    for (UpDownReading reading : kAllUpDownReadings) {
        m_entries[indexOf(reading)] = Entry{};
        notify(reading);
    }
}

void UpDownStatistics::relabelTemperatures(const TemperatureDisplay& display)
{
    for (UpDownReading reading : {UpDownReading::WB1, UpDownReading::LM75, UpDownReading::WB2, UpDownReading::WB3}) {
        Entry& e = m_entries[indexOf(reading)];
        // Nothing fed since the reset: "0" stands for no value in any scale.
        if (e.count == 0 && e.lowest == 0.0 && e.highest == 0.0) {
            continue;
        }
        e.lowLabel = extremeLabel(reading, e.lowest, display);
        e.highLabel = extremeLabel(reading, e.highest, display);
        notify(reading);
    }
}

std::string UpDownStatistics::extremeLabel(UpDownReading reading, double value, const TemperatureDisplay& display) const
{
    if (isTemperature(reading)) {
        return lowHighLabel(value, display);
    }
    return formatFixed(value, isFan(reading) ? 0 : 2, display.decimalSeparator);
}

void UpDownStatistics::notify(UpDownReading reading)
{
    if (m_onLabelsChanged) {
        m_onLabelsChanged(reading);
    }
}

} // namespace cdx
