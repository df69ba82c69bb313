#include "settings/SettingsEditor.h"

#include <cmath>
#include <utility>

#include "sensors/Formats.h"
#include "sensors/VoltageCaption.h"
#include "settings/GaugeScales.h"
#include "settings/Settings.h"
#include "settings/SettingsSchema.h"

namespace cdx {

namespace {

struct SpinDefinition {
    int position; // the schema row, which holds the bounds
    double step;
};

SpinDefinition definition(SpinSetting setting)
{
    switch (setting) {
    case SpinSetting::PollInterval:
        return {35, 1000};
    case SpinSetting::VoltageTolerance:
        return {15, 0.5};
    case SpinSetting::CoreVoltage:
        return {28, 0.1};
    case SpinSetting::Plus33Voltage:
        return {130, 0.1};
    case SpinSetting::Fan1Rpm:
        return {52, 100};
    case SpinSetting::Fan2Rpm:
        return {53, 100};
    case SpinSetting::Fan3Rpm:
        return {54, 100};
    case SpinSetting::Fan1OffMark:
        return {55, 1};
    case SpinSetting::Fan2OffMark:
        return {56, 1};
    case SpinSetting::Fan3OffMark:
        return {57, 1};
    case SpinSetting::IgnoreFanAlarm:
        return {94, 1};
    case SpinSetting::CustomCpuAdd:
        return {39, 1};
    case SpinSetting::WB1Compensation:
        return {93, 1};
    case SpinSetting::WB2Compensation:
        return {127, 1};
    case SpinSetting::WB3Compensation:
        return {129, 1};
    }
    return {35, 1000};
}

const SettingRow& rowOf(SpinSetting setting)
{
    return settingRow(definition(setting).position);
}

bool isInteger(SpinSetting setting)
{
    return rowOf(setting).kind == SettingKind::Int;
}

std::string offLabel(const std::string& percent)
{
    return "Sound Alarm at: " + percent + "% off";
}

} // namespace

std::string pollIntervalLabel(int milliseconds)
{
    return "Check at Intervals of " + std::to_string(milliseconds / 1000) + " seconds";
}

SettingsEditor::SettingsEditor(Settings& settings, GaugeScales& gauges, Display display)
    : m_settings(settings), m_gauges(gauges), m_display(std::move(display))
{
}

std::string_view SettingsEditor::settingName(SpinSetting setting)
{
    return rowOf(setting).name;
}

SpinRule SettingsEditor::rule(SpinSetting setting)
{
    const SettingRow& row = rowOf(setting);
    const double step = definition(setting).step;
    if (row.kind == SettingKind::Int) {
        return SpinRule{step, static_cast<double>(row.minimum), static_cast<double>(row.maximum)};
    }
    return SpinRule{step, row.lowest, row.highest};
}

double SettingsEditor::value(SpinSetting setting) const
{
    const SettingRow& row = rowOf(setting);
    if (const auto* field = std::get_if<IntField>(&row.field)) {
        return (*field)(m_settings);
    }
    return (*std::get<DoubleField>(row.field))(m_settings);
}

bool SettingsEditor::canStep(SpinSetting setting, SpinDirection direction) const
{
    const SpinRule spin = rule(setting);
    const double now = value(setting);
    return direction == SpinDirection::Up ? spin.up(now).has_value() : spin.down(now).has_value();
}

bool SettingsEditor::step(SpinSetting setting, SpinDirection direction)
{
    const SettingRow& row = rowOf(setting);
    const SpinRule spin = rule(setting);
    if (const auto* field = std::get_if<IntField>(&row.field)) {
        int& member = (*field)(m_settings);
        const auto next = direction == SpinDirection::Up ? spin.up(member) : spin.down(member);
        if (!next) {
            return false;
        }
        member = *next;
    } else {
        double& member = (*std::get<DoubleField>(row.field))(m_settings);
        const auto next = direction == SpinDirection::Up ? spin.up(member) : spin.down(member);
        if (!next) {
            return false;
        }
        member = *next;
    }
    // The custom offset is the one in force only while its button is chosen.
    if (setting == SpinSetting::CustomCpuAdd && m_settings.customCpu) {
        m_settings.cpuOffset = m_settings.customCpuOffset;
    }
    return true;
}

std::string SettingsEditor::label(SpinSetting setting) const
{
    const std::string separator = m_display ? m_display().decimalSeparator : std::string(".");
    const double v = value(setting);
    const int n = isInteger(setting) ? static_cast<int>(v) : 0;
    switch (setting) {
    case SpinSetting::PollInterval:
        return pollIntervalLabel(n);
    case SpinSetting::VoltageTolerance:
        return offLabel(formatGeneral(v, separator));
    case SpinSetting::CoreVoltage:
        return "Core Voltage: " + formatFixed(v, 1, separator) + "Volt";
    case SpinSetting::Plus33Voltage:
        return voltageCaption(VoltageRail::Pos33, v, separator);
    case SpinSetting::Fan1Rpm:
    case SpinSetting::Fan2Rpm:
    case SpinSetting::Fan3Rpm:
        return formatGeneral(v, separator) + " RPM";
    case SpinSetting::Fan1OffMark:
    case SpinSetting::Fan2OffMark:
    case SpinSetting::Fan3OffMark:
        return offLabel(std::to_string(n));
    case SpinSetting::IgnoreFanAlarm:
        return "Ignore Fan Alarm " + std::to_string(n) + " Times";
    case SpinSetting::CustomCpuAdd:
        return customCpuLabel(n);
    case SpinSetting::WB1Compensation:
    case SpinSetting::WB2Compensation:
    case SpinSetting::WB3Compensation:
        return compensationCaption(n);
    }
    return {};
}

bool SettingsEditor::stepScale(TemperatureSensor sensor, SpinDirection direction)
{
    const float scale = m_gauges.scale(sensor);
    float next = 0.0F;
    if (direction == SpinDirection::Up) {
        next = scale + 1.0F;
    } else {
        // Not below the temperature shown, and never to 0, where the needle
        // of a sensor showing nothing would have no angle.
        if (!(scale > m_gauges.shownTemperature(sensor)) || !(scale - 1.0F > 0.0F)) {
            return false;
        }
        next = scale - 1.0F;
    }
    if (!m_gauges.setScale(sensor, next)) {
        return false;
    }
    TemperatureSettings& t = m_settings.temperature(sensor);
    t.scale = next;
    // A gauge shows nothing above its scale, so an alarm above it could
    // never go off: the alarm comes down with the scale.
    if (static_cast<float>(t.alarmTemperature) > next) {
        t.alarmTemperature = static_cast<int>(std::floor(next));
    }
    return true;
}

bool SettingsEditor::stepAlarm(TemperatureSensor sensor, SpinDirection direction)
{
    int& alarm = m_settings.temperature(sensor).alarmTemperature;
    if (direction == SpinDirection::Up) {
        if (!(static_cast<double>(alarm) < static_cast<double>(m_gauges.scale(sensor)))) {
            return false;
        }
        ++alarm;
    } else {
        if (!(static_cast<double>(alarm) > static_cast<double>(m_gauges.shownTemperature(sensor)))) {
            return false;
        }
        --alarm;
    }
    return true;
}

std::string SettingsEditor::scaleCelsiusLabel(TemperatureSensor sensor) const
{
    return settingCelsiusLabel(m_gauges.scale(sensor), m_display());
}

std::string SettingsEditor::scaleFahrenheitLabel(TemperatureSensor sensor) const
{
    return settingFahrenheitLabel(m_gauges.scale(sensor), m_display());
}

std::string SettingsEditor::alarmCelsiusLabel(TemperatureSensor sensor) const
{
    return settingCelsiusLabel(m_settings.temperature(sensor).alarmTemperature, m_display());
}

std::string SettingsEditor::alarmFahrenheitLabel(TemperatureSensor sensor) const
{
    return settingFahrenheitLabel(m_settings.temperature(sensor).alarmTemperature, m_display());
}

void SettingsEditor::chooseCpuType(CpuType type)
{
    m_settings.customCpu = type == CpuType::Custom;
    switch (type) {
    case CpuType::Intel:
        m_settings.cpuPreset = CpuPreset::Intel;
        break;
    case CpuType::Amd:
        m_settings.cpuPreset = CpuPreset::Amd;
        break;
    case CpuType::Cyrix:
        m_settings.cpuPreset = CpuPreset::Cyrix;
        break;
    case CpuType::Custom:
        break;
    }
    m_settings.cpuOffset = cpuOffset(type, m_settings.customCpuOffset);
}

CpuType SettingsEditor::cpuType() const
{
    if (m_settings.customCpu) {
        return CpuType::Custom;
    }
    switch (m_settings.cpuPreset) {
    case CpuPreset::Amd:
        return CpuType::Amd;
    case CpuPreset::Cyrix:
        return CpuType::Cyrix;
    case CpuPreset::Intel:
        break;
    }
    return CpuType::Intel;
}

} // namespace cdx
