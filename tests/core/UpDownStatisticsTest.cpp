#include "presentation/UpDownStatistics.h"

#include <gtest/gtest.h>

namespace cdx {
namespace {

TemperatureDisplay celsius()
{
    return TemperatureDisplay{};
}

TemperatureDisplay fahrenheit(bool round)
{
    TemperatureDisplay d;
    d.scale = TemperatureScale::Fahrenheit;
    d.roundFahrenheit = round;
    return d;
}

TEST(UpDownStatisticsTest, FirstValueIsLowestAndHighestAlsoForNegativeRailsAndZeroIsNoValue)
{
    UpDownStatistics s;
    s.feed(UpDownReading::N12Voltage, -11.9, celsius());
    EXPECT_EQ(s.entry(UpDownReading::N12Voltage).lowLabel, "-11.90");
    EXPECT_EQ(s.entry(UpDownReading::N12Voltage).highLabel, "-11.90");
    s.feed(UpDownReading::N12Voltage, -12.1, celsius());
    EXPECT_EQ(s.entry(UpDownReading::N12Voltage).lowLabel, "-12.10");
    EXPECT_EQ(s.entry(UpDownReading::N12Voltage).highLabel, "-11.90");

    // Zero counts as no value yet.
    s.feed(UpDownReading::WB1, 0.0, celsius());
    s.feed(UpDownReading::WB1, 20.0, celsius());
    EXPECT_EQ(s.entry(UpDownReading::WB1).lowLabel, "20");
    EXPECT_EQ(s.entry(UpDownReading::WB1).highLabel, "20");
}

TEST(UpDownStatisticsTest, AveragesInTheScaleShownAndASwitchRelabelsOnlyExtremes)
{
    UpDownStatistics s;
    for (double v : {40.0, 41.0, 41.0}) {
        s.feed(UpDownReading::WB1, v, celsius());
    }
    EXPECT_EQ(s.entry(UpDownReading::WB1).averageLabel, "40.67");

    s.feed(UpDownReading::WB2, 26.0, fahrenheit(true)); // 78.8 -> 78
    s.feed(UpDownReading::WB2, 27.0, fahrenheit(true)); // 80.6 -> 80
    EXPECT_EQ(s.entry(UpDownReading::WB2).averageLabel, "79.00");
    EXPECT_EQ(s.entry(UpDownReading::WB2).lowLabel, "78");

    s.feed(UpDownReading::Fan1, 2500.0, celsius());
    EXPECT_EQ(s.entry(UpDownReading::Fan1).lowLabel, "2500");
    EXPECT_EQ(s.entry(UpDownReading::Fan1).averageLabel, "2500.00");

    // A scale switch relabels only the extremes of temperatures.
    UpDownStatistics switched;
    switched.feed(UpDownReading::WB1, 23.0, celsius());
    switched.relabelTemperatures(fahrenheit(false));
    EXPECT_EQ(switched.entry(UpDownReading::WB1).lowLabel, "73.4");
    EXPECT_EQ(switched.entry(UpDownReading::WB1).averageLabel, "23.00");

    // A reading never fed has no value to restate: it keeps "0" rather than
    // claiming 32 °F. A real 0 °C reading is 32 °F.
    EXPECT_EQ(switched.entry(UpDownReading::LM75).lowLabel, "0");
    EXPECT_EQ(switched.entry(UpDownReading::LM75).highLabel, "0");
    switched.feed(UpDownReading::WB2, 0.0, celsius());
    switched.relabelTemperatures(fahrenheit(true));
    EXPECT_EQ(switched.entry(UpDownReading::WB2).highLabel, "32");
    EXPECT_EQ(switched.entry(UpDownReading::WB3).highLabel, "0");
}

TEST(UpDownStatisticsTest, ResetClearsEveryLabelAndNotifies)
{
    int notified = 0;
    UpDownStatistics s([&](UpDownReading) { ++notified; });
    s.feed(UpDownReading::CoreVoltage, 1.65, celsius());
    notified = 0;
    s.reset();
    EXPECT_EQ(notified, 13);
    for (UpDownReading r : kAllUpDownReadings) {
        EXPECT_EQ(s.entry(r).lowLabel, "0");
        EXPECT_EQ(s.entry(r).averageLabel, "0");
        EXPECT_EQ(s.entry(r).count, 0);
    }
}

} // namespace
} // namespace cdx
