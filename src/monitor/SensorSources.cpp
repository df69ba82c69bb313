#include "monitor/SensorSources.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "monitor/PollCycle.h"
#include "sensors/Formats.h"
#include "sensors/SensorDriver.h"
#include "settings/Settings.h"

namespace cdx {

SensorSources::SensorSources(Settings& settings, SensorDriver& driver, PollCycle& poll, Notice notice)
    : m_settings(settings), m_driver(driver), m_poll(poll), m_notice(std::move(notice))
{
}

void SensorSources::bindAll(SensorDriver& driver, const Settings& settings)
{
    for (SensorSlot slot : AllSensorSlots) {
        for (DriverReading reading : sensorSlotReadings(slot)) {
            driver.bindReading(reading, settings.sensorSource(slot));
        }
    }
}

void SensorSources::apply()
{
    bindAll(m_driver, m_settings);
    m_poll.setFanDivisors(m_driver.GetFanDivide1(), m_driver.GetFanDivide2());
}

void SensorSources::choose(SensorSlot slot, const std::string& source)
{
    m_settings.sensorSource(slot) = source;
    m_gone[static_cast<std::size_t>(slot)] = false;
    apply();
}

void SensorSources::afterPoll()
{
    const ReadingMask available = m_driver.availableReadings();
    for (SensorSlot slot : AllSensorSlots) {
        const std::string& source = m_settings.sensorSource(slot);
        bool& gone = m_gone[static_cast<std::size_t>(slot)];
        const bool missing = !source.empty() && !hasReading(available, sensorSlotReadings(slot).front());
        if (missing && !gone && m_notice) {
            m_notice(goneNotice(slot, source));
        }
        gone = missing;
    }
    if (m_polled) {
        m_polled();
    }
}

std::string SensorSources::goneNotice(SensorSlot slot, const std::string& source)
{
    const std::string name(sensorSlotName(slot));
    return "The input chosen for " + name + ", " + source + ", is not reported: " + name +
           " is not available until it returns or another input is chosen on the Sources page.";
}

std::vector<SensorInput> SensorSources::inputs() const
{
    return m_driver.inputs();
}

std::string SensorSources::coreVoltageNote(bool processorScales, const std::optional<VoltageBand>& limits,
                                           const std::string& decimalSeparator)
{
    if (limits) {
        return "Core voltage checked against the chip's limits, " + formatFixed(limits->low(), 2, decimalSeparator) +
               " to " + formatFixed(limits->high(), 2, decimalSeparator) + " V.";
    }
    if (processorScales) {
        return "Core voltage alarm off at first start: this processor changes its core voltage with load and the "
               "chip reports no limits for it.";
    }
    return {};
}

std::string SensorSources::coreVoltageNote(bool processorScales, const std::string& decimalSeparator) const
{
    const DriverReading core = m_settings.coreVoltagePort1 ? DriverReading::Core1 : DriverReading::Core0;
    if (!hasReading(m_driver.availableReadings(), core)) {
        return {};
    }
    return coreVoltageNote(processorScales, m_driver.readingLimits(core), decimalSeparator);
}

std::string SensorSources::slotsFed(const SensorInput& input)
{
    std::string text;
    for (SensorSlot slot : AllSensorSlots) {
        const auto readings = sensorSlotReadings(slot);
        const bool fed = std::any_of(readings.begin(), readings.end(), [&](DriverReading r) {
            return std::find(input.feeds.begin(), input.feeds.end(), r) != input.feeds.end();
        });
        if (fed) {
            text += (text.empty() ? "" : ", ") + std::string(sensorSlotName(slot));
        }
    }
    return text;
}

std::string SensorSources::valueText(const SensorInput& input, const std::string& decimalSeparator)
{
    if (!std::isfinite(input.value)) {
        return "no reading";
    }
    switch (input.kind) {
    case HwmonInput::Kind::Voltage:
        return formatFixed(input.value, 3, decimalSeparator) + " V";
    case HwmonInput::Kind::Fan:
        return formatFixed(input.value, 0, decimalSeparator) + " RPM";
    default:
        return formatFixed(input.value, 1, decimalSeparator) + " °C";
    }
}

std::string SensorSources::listing(const std::vector<SensorInput>& inputs)
{
    std::string text;
    for (const SensorInput& input : inputs) {
        const std::string fed = slotsFed(input);
        text += input.source + '\t' + input.label + '\t' + valueText(input) + '\t' + (fed.empty() ? "-" : fed) + '\n';
    }
    return text;
}

} // namespace cdx
