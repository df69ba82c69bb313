#include "app/MetricsAdapter.h"

#include <cmath>
#include <utility>

#include "presentation/ReadingsPanel.h"
#include "presentation/UpDownStatistics.h"
#include "sensors/Readings.h"
#include "settings/Settings.h"

namespace cdx {
namespace {

// The id under which a reading is exported, in the order the metrics list them.
template <typename Which> struct Identity {
    Which which;
    const char* id;
};

constexpr std::array<Identity<TemperatureSensor>, 4> kTemperatures{{
    {TemperatureSensor::WB1, "wb1"},
    {TemperatureSensor::LM75, "lm75"},
    {TemperatureSensor::WB2, "wb2"},
    {TemperatureSensor::WB3, "wb3"},
}};

constexpr std::array<Identity<VoltageRail>, 6> kRails{{
    {VoltageRail::Core, "core"},
    {VoltageRail::Pos33, "+3.3"},
    {VoltageRail::Pos5, "+5"},
    {VoltageRail::Neg5, "-5"},
    {VoltageRail::Pos12, "+12"},
    {VoltageRail::Neg12, "-12"},
}};

constexpr std::array<Identity<Fan>, 3> kFans{{
    {Fan::Fan1, "1"},
    {Fan::Fan2, "2"},
    {Fan::Fan3, "3"},
}};

// Lowest, highest and average of a reading kept in its own unit.
MetricsStatistic plainStatistic(const UpDownStatistics::Entry& entry)
{
    if (entry.count <= 0) {
        return {};
    }
    return {entry.lowest, entry.highest, static_cast<double>(entry.sum / entry.count)};
}

// Voltages are shown with two decimals; they and their statistics are given
// the same way, so that a lowest never lies above the value shown with it.
std::optional<double> asShownVolts(std::optional<double> volts)
{
    if (volts) {
        *volts = std::round(*volts * 100.0) / 100.0;
    }
    return volts;
}

MetricsStatistic voltageStatistic(const UpDownStatistics::Entry& entry)
{
    MetricsStatistic statistic = plainStatistic(entry);
    for (std::optional<double>* value : {&statistic.lowest, &statistic.highest, &statistic.average}) {
        *value = asShownVolts(*value);
    }
    return statistic;
}

} // namespace

MetricsAdapter::MetricsAdapter(Sources sources) : m_sources(std::move(sources))
{
}

MetricsSnapshot MetricsAdapter::snapshot(MetricsRecorder& recorder) const
{
    const Settings& s = m_sources.settings;
    MetricsSnapshot snapshot;
    snapshot.version = m_sources.version;
    snapshot.suspended = m_sources.suspended && m_sources.suspended();
    snapshot.voltageTolerancePercent = s.voltageTolerance;

    for (std::size_t i = 0; i < kTemperatures.size(); ++i) {
        const auto& t = kTemperatures[i];
        const TemperatureSettings& settings = s.temperature(t.which);
        const UpDownStatistics::Entry& entry = m_sources.statistics.entry(upDownReadingOf(t.which));
        // None before the statistics' first value since a reset.
        const std::optional<double> celsius =
            entry.count > 0 ? m_sources.readings.temperature(t.which) : std::optional<double>();
        const auto average = recorder.averageCelsius(i, celsius, entry.count);
        if (!settings.sensorEnabled) {
            continue;
        }
        TemperatureMetric metric{
            t.id, settings.name, celsius, static_cast<double>(settings.alarmTemperature), settings.alarmEnabled, {}};
        if (entry.count > 0) {
            metric.statistic = {entry.lowest, entry.highest, average};
        }
        snapshot.temperatures.push_back(std::move(metric));
    }

    for (const auto& [rail, id] : kRails) {
        const auto volts = asShownVolts(m_sources.readings.voltage(rail));
        snapshot.voltages.push_back({id, volts, !m_sources.panel.voltageRed(rail),
                                     voltageStatistic(m_sources.statistics.entry(upDownReadingOf(rail))),
                                     s.voltageAlarmEnabled && s.watched(rail)});
    }

    for (const auto& [fan, id] : kFans) {
        const FanSettings& settings = s.fan(fan);
        const auto& rpm = m_sources.readings.fan(fan);
        snapshot.fans.push_back({id, settings.name, rpm, settings.nominalRpm,
                                 static_cast<double>(settings.tolerancePercent), settings.alarmEnabled,
                                 plainStatistic(m_sources.statistics.entry(upDownReadingOf(fan)))});
    }

    recorder.stamp(snapshot);
    return snapshot;
}

} // namespace cdx
