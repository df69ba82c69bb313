#include "monitor/LogSnapshots.h"

#include "presentation/GaugeSet.h"
#include "presentation/ReadingsPanel.h"
#include "presentation/UpDownStatistics.h"
#include "sensors/VoltageCaption.h"
#include "settings/Settings.h"

namespace cdx {

IntervalLogSnapshot intervalLogSnapshot(const GaugeSet& gauges, const ReadingsPanel& panel, int cpuSpeedMhz)
{
    IntervalLogSnapshot s;
    s.cpuSpeedMhz = cpuSpeedMhz;
    s.wb1Gauge = gauges[TemperatureSensor::WB1].centerLabel();
    s.lm75Gauge = gauges[TemperatureSensor::LM75].centerLabel();
    s.wb2Gauge = gauges[TemperatureSensor::WB2].centerLabel();
    s.wb3Gauge = gauges[TemperatureSensor::WB3].centerLabel();
    s.coreVoltage = panel.voltageText(VoltageRail::Core);
    s.p33Voltage = panel.voltageText(VoltageRail::Pos33);
    s.p5Voltage = panel.voltageText(VoltageRail::Pos5);
    s.n5Voltage = panel.voltageText(VoltageRail::Neg5);
    s.p12Voltage = panel.voltageText(VoltageRail::Pos12);
    s.n12Voltage = panel.voltageText(VoltageRail::Neg12);
    s.fan1 = panel.fanText(Fan::Fan1);
    s.fan2 = panel.fanText(Fan::Fan2);
    s.fan3 = panel.fanText(Fan::Fan3);
    return s;
}

UpDownReport upDownReport(const UpDownStatistics& statistics, const Settings& settings, int cpuSpeedMhz,
                          std::string_view decimalSeparator)
{
    const std::array<std::string, UpDownReport::RowCount> names{
        settings.temperature(TemperatureSensor::WB1).name,
        settings.temperature(TemperatureSensor::LM75).name,
        settings.temperature(TemperatureSensor::WB2).name,
        settings.temperature(TemperatureSensor::WB3).name,
        voltageCaption(VoltageRail::Core, settings.plus33VoltageNominal, decimalSeparator),
        voltageCaption(VoltageRail::Pos33, settings.plus33VoltageNominal, decimalSeparator),
        voltageCaption(VoltageRail::Pos5, settings.plus33VoltageNominal, decimalSeparator),
        voltageCaption(VoltageRail::Neg5, settings.plus33VoltageNominal, decimalSeparator),
        voltageCaption(VoltageRail::Pos12, settings.plus33VoltageNominal, decimalSeparator),
        voltageCaption(VoltageRail::Neg12, settings.plus33VoltageNominal, decimalSeparator),
        settings.fan(Fan::Fan1).name,
        settings.fan(Fan::Fan2).name,
        settings.fan(Fan::Fan3).name,
    };
    UpDownReport report;
    report.startTime = statistics.startTime();
    report.pollCount = statistics.entry(UpDownReading::WB1).count;
    report.cpuSpeedMhz = cpuSpeedMhz;
    for (UpDownReading reading : kAllUpDownReadings) {
        const auto& e = statistics.entry(reading);
        report.rows[indexOf(reading)] = {names[indexOf(reading)], e.lowLabel, e.highLabel, e.averageLabel};
    }
    return report;
}

} // namespace cdx
