#include "monitor/LogSnapshots.h"

#include <gtest/gtest.h>

#include "presentation/GaugeSet.h"
#include "presentation/ReadingsPanel.h"
#include "presentation/UpDownStatistics.h"
#include "settings/Settings.h"

namespace cdx {
namespace {

TEST(LogSnapshotsTest, UpDownReportAndIntervalSnapshotTakeWhatThePagesShow)
{
    Settings settings;
    settings.temperature(TemperatureSensor::WB1).name = "Board";
    settings.plus33VoltageNominal = 3.35;
    settings.fan(Fan::Fan3).name = "Rear";
    UpDownStatistics statistics;
    statistics.setStartTime("09:15:00");
    const TemperatureDisplay celsius;
    statistics.feed(UpDownReading::CoreVoltage, 1.65, celsius);
    statistics.feed(UpDownReading::CoreVoltage, 1.75, celsius);
    statistics.feed(UpDownReading::WB1, 40, celsius);

    const UpDownReport report = upDownReport(statistics, settings, 451, ".");
    EXPECT_EQ(report.pollCount, 1); // the WB1 count, not the polls label's
    EXPECT_EQ(report.startTime, "09:15:00");
    EXPECT_EQ(report.rows[0].name, "Board");
    EXPECT_EQ(report.rows[5].name, "+3.35 Voltage");
    EXPECT_EQ(report.rows[7].name, "-5 Voltage");
    EXPECT_EQ(report.rows[12].name, "Rear");
    EXPECT_EQ(report.rows[4].lowest, "1.65");
    EXPECT_EQ(report.rows[4].average, "1.70");

    // The interval snapshot takes what is shown.
    GaugeSet gauges;
    gauges[0].setCenterLabel("45°C");
    gauges[1].setCenterLabel("--");
    ReadingsPanel panel;
    panel.setVoltage(VoltageRail::Neg5, ": -5.06", false);
    panel.setFanText(Fan::Fan2, "not available");
    const auto snapshot = intervalLogSnapshot(gauges, panel, 800);
    EXPECT_EQ(snapshot.wb1Gauge, "45°C");
    EXPECT_EQ(snapshot.lm75Gauge, "--");
    EXPECT_EQ(snapshot.n5Voltage, ": -5.06");
    EXPECT_EQ(snapshot.fan2, "not available");
    EXPECT_EQ(snapshot.cpuSpeedMhz, 800);
}

} // namespace
} // namespace cdx
