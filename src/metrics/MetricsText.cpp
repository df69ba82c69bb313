#include "metrics/MetricsText.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <utility>
#include <vector>

namespace cdx {
namespace {

using Labels = std::vector<std::pair<std::string_view, std::string_view>>;

std::string number(double value)
{
    if (std::isnan(value)) {
        return "NaN";
    }
    if (std::isinf(value)) {
        return value > 0 ? "+Inf" : "-Inf";
    }
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

// A family's samples are gathered first: a family without any is left out
// whole, its help and type lines too.
class Family {
public:
    Family(std::string_view name, std::string_view help, std::string_view type)
        : m_name(name), m_help(help), m_type(type)
    {
    }

    void add(const Labels& labels, std::optional<double> value)
    {
        if (!value) {
            return;
        }
        m_samples.append(m_name);
        if (!labels.empty()) {
            m_samples.push_back('{');
            bool first = true;
            for (const auto& [label, text] : labels) {
                if (!first) {
                    m_samples.push_back(',');
                }
                first = false;
                m_samples.append(label).append("=\"").append(escapeLabelValue(text)).push_back('"');
            }
            m_samples.push_back('}');
        }
        m_samples.append(" ").append(number(*value)).push_back('\n');
    }

    void writeTo(std::string& out) const
    {
        if (m_samples.empty()) {
            return;
        }
        out.append("# HELP ").append(m_name).append(" ").append(m_help).push_back('\n');
        out.append("# TYPE ").append(m_name).append(" ").append(m_type).push_back('\n');
        out.append(m_samples);
    }

private:
    std::string_view m_name;
    std::string_view m_help;
    std::string_view m_type;
    std::string m_samples;
};

constexpr std::string_view kGauge = "gauge";
constexpr std::string_view kCounter = "counter";

// The lowest, highest and average families of one kind of reading.
struct StatisticFamilies {
    Family lowest;
    Family highest;
    Family average;

    void add(const Labels& labels, const MetricsStatistic& statistic)
    {
        lowest.add(labels, statistic.lowest);
        highest.add(labels, statistic.highest);
        average.add(labels, statistic.average);
    }

    void writeTo(std::string& out) const
    {
        lowest.writeTo(out);
        highest.writeTo(out);
        average.writeTo(out);
    }
};

std::string_view alarmKindName(std::size_t kind)
{
    switch (static_cast<AlarmKind>(kind)) {
    case AlarmKind::Temperature:
        return "temperature";
    case AlarmKind::Voltage:
        return "voltage";
    case AlarmKind::Fan:
        return "fan";
    }
    return "unknown";
}

} // namespace

std::string escapeLabelValue(std::string_view value)
{
    std::string escaped;
    escaped.reserve(value.size());
    for (const char c : value) {
        switch (c) {
        case '\\':
            escaped.append("\\\\");
            break;
        case '"':
            escaped.append("\\\"");
            break;
        case '\n':
            escaped.append("\\n");
            break;
        default:
            escaped.push_back(c);
        }
    }
    return escaped;
}

std::string metricsText(const MetricsSnapshot& snapshot)
{
    Family buildInfo("caldrix_build_info", "The running Caldrix version; always 1.", kGauge);
    buildInfo.add({{"version", snapshot.version}}, 1.0);

    Family temperature("caldrix_temperature_celsius", "Temperature of a sensor as the window shows it.", kGauge);
    Family temperatureAlarm("caldrix_temperature_alarm_celsius",
                            "Temperature at which the sensor's alarm goes off; only sensors whose alarm is on.",
                            kGauge);
    StatisticFamilies temperatureStatistics{
        {"caldrix_temperature_lowest_celsius", "Lowest temperature since the statistics were reset.", kGauge},
        {"caldrix_temperature_highest_celsius", "Highest temperature since the statistics were reset.", kGauge},
        {"caldrix_temperature_average_celsius", "Average temperature since the statistics were reset.", kGauge},
    };
    for (const TemperatureMetric& t : snapshot.temperatures) {
        const Labels labels{{"sensor", t.id}, {"name", t.name}};
        temperature.add(labels, t.celsius);
        if (t.alarmEnabled) {
            temperatureAlarm.add(labels, t.alarmCelsius);
        }
        temperatureStatistics.add(labels, t.statistic);
    }

    Family voltage("caldrix_voltage_volts", "Voltage of a supply rail.", kGauge);
    Family inBand("caldrix_voltage_in_band", "1 while the rail is within the tolerance of its nominal value, else 0.",
                  kGauge);
    Family voltageAlarm("caldrix_voltage_alarm_enabled",
                        "1 while a rail out of its band raises the voltage alarm, else 0.", kGauge);
    Family tolerance("caldrix_voltage_tolerance_percent",
                     "How far a rail may stray from its nominal value, in percent.", kGauge);
    tolerance.add({}, snapshot.voltageTolerancePercent);
    StatisticFamilies voltageStatistics{
        {"caldrix_voltage_lowest_volts", "Lowest voltage since the statistics were reset.", kGauge},
        {"caldrix_voltage_highest_volts", "Highest voltage since the statistics were reset.", kGauge},
        {"caldrix_voltage_average_volts", "Average voltage since the statistics were reset.", kGauge},
    };
    for (const VoltageMetric& v : snapshot.voltages) {
        const Labels labels{{"rail", v.rail}};
        voltage.add(labels, v.volts);
        if (v.volts) {
            inBand.add(labels, v.inBand ? 1.0 : 0.0);
        }
        voltageAlarm.add(labels, v.alarmEnabled ? 1.0 : 0.0);
        voltageStatistics.add(labels, v.statistic);
    }

    Family fan("caldrix_fan_rpm", "Speed of a fan; absent while it is not available.", kGauge);
    Family expected("caldrix_fan_expected_rpm", "The speed the user expects of a fan; only fans whose alarm is on.",
                    kGauge);
    Family fanTolerance("caldrix_fan_tolerance_percent",
                        "How far a fan may stray from its expected speed, in percent; only fans whose alarm is on.",
                        kGauge);
    StatisticFamilies fanStatistics{
        {"caldrix_fan_lowest_rpm", "Lowest fan speed since the statistics were reset.", kGauge},
        {"caldrix_fan_highest_rpm", "Highest fan speed since the statistics were reset.", kGauge},
        {"caldrix_fan_average_rpm", "Average fan speed since the statistics were reset.", kGauge},
    };
    for (const FanMetric& f : snapshot.fans) {
        const Labels labels{{"fan", f.id}, {"name", f.name}};
        fan.add(labels, f.rpm);
        if (f.alarmEnabled) {
            expected.add(labels, f.expectedRpm);
            fanTolerance.add(labels, f.tolerancePercent);
        }
        fanStatistics.add(labels, f.statistic);
    }

    Family polls("caldrix_polls_total", "Polls of the sensors since Caldrix started.", kCounter);
    polls.add({}, static_cast<double>(snapshot.polls));
    Family alarms("caldrix_alarms_total",
                  "Polls that found a reading at or past its alarm mark since Caldrix started, by kind.", kCounter);
    for (std::size_t kind = 0; kind < kAlarmKindCount; ++kind) {
        alarms.add({{"kind", alarmKindName(kind)}}, static_cast<double>(snapshot.alarms[kind]));
    }
    Family suspended("caldrix_suspended", "1 while polling is suspended, else 0.", kGauge);
    suspended.add({}, snapshot.suspended ? 1.0 : 0.0);

    std::string out;
    for (const Family* f : {&buildInfo, &temperature, &temperatureAlarm}) {
        f->writeTo(out);
    }
    temperatureStatistics.writeTo(out);
    for (const Family* f : {&voltage, &inBand, &voltageAlarm, &tolerance}) {
        f->writeTo(out);
    }
    voltageStatistics.writeTo(out);
    for (const Family* f : {&fan, &expected, &fanTolerance}) {
        f->writeTo(out);
    }
    fanStatistics.writeTo(out);
    for (const Family* f : {&polls, &alarms, &suspended}) {
        f->writeTo(out);
    }
    return out;
}

} // namespace cdx
