#include <gtest/gtest.h>

#include <cmath>

#include "sensors/CoreVoltageStart.h"
#include "sensors/CpuType.h"
#include "sensors/FanSpeed.h"
#include "sensors/TemperatureConversion.h"
#include "sensors/TemperatureScale.h"
#include "sensors/TemperatureText.h"
#include "sensors/VoltageConversion.h"

using namespace cdx;

TEST(TemperatureConversion, CompensationHalvesToEvenAndCpuTypesGiveTheCpuSensorsOffset)
{
    EXPECT_EQ(compensateWB1(40, {false, 5}), 40.0f);
    EXPECT_EQ(compensateWB1(40, {true, -3}), 37.0f);
    EXPECT_EQ(compensateWinbond(44.5, {false, 1}), 44.0f);
    EXPECT_EQ(compensateWinbond(44.5, {true, 1}), 46.0f);
    EXPECT_EQ(compensateWinbond(44.6, {false, 0}), 45.0f);
    EXPECT_EQ(compensateWinbond(-0.5, {false, 0}), 0.0f);
    EXPECT_EQ(compensateWinbond(2.5, {true, -50}), -48.0f);

    // The CPU sensor: 10 and below are not available.
    EXPECT_FALSE(convertLM75(10, 22).has_value());
    EXPECT_FALSE(convertLM75(-5, 22).has_value());
    EXPECT_EQ(convertLM75(11, 22), 33.0f);
    EXPECT_EQ(convertLM75(30, cpuOffset(CpuType::Amd, 0)), 37.0f);

    // CPU types: offsets and the rules of loading them.
    EXPECT_EQ(cpuOffset(CpuType::Intel, 50), 22);
    EXPECT_EQ(cpuOffset(CpuType::Cyrix, 50), 16);
    EXPECT_EQ(cpuOffset(CpuType::Custom, 50), 50);

    EXPECT_EQ(loadCpuType(7, false, 3).type, CpuType::Amd);
    EXPECT_EQ(loadCpuType(16, false, 3).type, CpuType::Cyrix);
    const auto intel = loadCpuType(22, false, 3);
    EXPECT_EQ(intel.type, CpuType::Intel);
    EXPECT_EQ(intel.offset, 22);
    // A custom offset stored in "CPU Type" without "Custom CPU" selects Intel's
    // button but keeps the stored offset in force.
    EXPECT_EQ(loadCpuType(40, false, 3).type, CpuType::Intel);
    const auto custom = loadCpuType(7, true, 12);
    EXPECT_EQ(custom.type, CpuType::Custom);
    EXPECT_EQ(custom.offset, 12);
    EXPECT_EQ(customCpuLabel(7), "+7");
}

TEST(TemperatureText, CentreLabels)
{
    TemperatureDisplay celsius{TemperatureScale::Celsius, false, "°", "."};
    EXPECT_EQ(centerLabelText(45, celsius, WholeDegrees::Truncate), "45°C");
    celsius.degreeText = degreeText(false);
    EXPECT_EQ(centerLabelText(45, celsius, WholeDegrees::Truncate), "45C");

    TemperatureDisplay fahrenheit{TemperatureScale::Fahrenheit, false, "°", ","};
    EXPECT_EQ(centerLabelText(45, fahrenheit, WholeDegrees::Truncate), "113°F");
    EXPECT_EQ(centerLabelText(23, fahrenheit, WholeDegrees::Truncate), "73,4°F");
    fahrenheit.roundFahrenheit = true;
    EXPECT_EQ(centerLabelText(23, fahrenheit, WholeDegrees::Truncate), "73°F");
    EXPECT_EQ(centerLabelText(26, fahrenheit, wholeDegreesFor(TemperatureSensor::WB1)), "78°F");
    EXPECT_EQ(centerLabelText(26, fahrenheit, wholeDegreesFor(TemperatureSensor::LM75)), "79°F");
    EXPECT_EQ(centerLabelText(-20, fahrenheit, WholeDegrees::Truncate), "-4°F");
}

TEST(TemperatureText, LowHighLabelsAndCaptions)
{
    TemperatureDisplay display{TemperatureScale::Celsius, true, "°", "."};
    EXPECT_EQ(lowHighLabel(26, display), "26");
    display.scale = TemperatureScale::Fahrenheit;
    EXPECT_EQ(lowHighLabel(26, display), "78"); // truncated for every sensor
    display.roundFahrenheit = false;
    EXPECT_EQ(lowHighLabel(26, display), "78.8");

    EXPECT_EQ(roundFahrenheitCaption(degreeText(true)), "Round °F");
    EXPECT_EQ(roundFahrenheitCaption(degreeText(false)), "Round F");
    EXPECT_EQ(compensationCaption(-3), "Custom +-3");
    EXPECT_EQ(compensationCaption(4), "Custom +4");

    // The scale button's caption names the other scale.
    EXPECT_EQ(scaleFromCaption("F"), TemperatureScale::Celsius);
    EXPECT_EQ(scaleFromCaption("C"), TemperatureScale::Fahrenheit);
    EXPECT_EQ(scaleFromCaption(""), TemperatureScale::Fahrenheit);
    EXPECT_EQ(nextScaleCaption("C"), "F");
    EXPECT_EQ(nextScaleCaption("F"), "C");
    EXPECT_EQ(nextScaleCaption("x"), "C");
}

TEST(VoltageConversion, BandsIncludeTheirEdgesAndAMeasuredCoreIsRoundedIntoRange)
{
    const VoltageNominals nominals{2.8, 3.3};
    const auto pos12 = voltageBand(VoltageRail::Pos12, nominals, 10.0);
    EXPECT_DOUBLE_EQ(pos12.low(), 10.8);
    EXPECT_DOUBLE_EQ(pos12.high(), 13.2);
    EXPECT_FALSE(pos12.contains(13.3));
    EXPECT_TRUE(pos12.contains(13.1));
    EXPECT_TRUE(pos12.contains(10.8));
    EXPECT_TRUE(pos12.contains(13.2));

    const auto neg12 = voltageBand(VoltageRail::Neg12, nominals, 10.0);
    EXPECT_DOUBLE_EQ(neg12.low(), -13.2);
    EXPECT_DOUBLE_EQ(neg12.high(), -10.8);
    EXPECT_TRUE(neg12.contains(-10.8));
    EXPECT_FALSE(neg12.contains(-10.7));

    const auto core = voltageBand(VoltageRail::Core, {2.0, 3.3}, 5.0);
    EXPECT_DOUBLE_EQ(core.low(), 1.9);
    EXPECT_TRUE(core.contains(2.1));
    EXPECT_FALSE(core.contains(2.11));
    EXPECT_DOUBLE_EQ(toleranceVolts(3.3, 20), 0.66);

    EXPECT_EQ(voltageText(3.3), ": 3.30");
    EXPECT_EQ(voltageText(-11.996, ","), ": -12,00");

    // A measured core voltage rounded into the nominal's range.
    EXPECT_EQ(coreVoltageStartValue(1.248), 1.2);
    EXPECT_EQ(coreVoltageStartValue(1.25), 1.3);
    EXPECT_EQ(coreVoltageStartValue(0.78), 0.8); // a processor of today idling
    EXPECT_EQ(coreVoltageStartValue(0.31), 0.5);
    EXPECT_EQ(coreVoltageStartValue(12.1), 5.0);
    EXPECT_EQ(coreVoltageStartValue(0.0), std::nullopt);
    EXPECT_EQ(coreVoltageStartValue(std::nan("")), std::nullopt);
}

TEST(FanSpeed, DivisorsTypesAndFailures)
{
    EXPECT_EQ(fanSpeed(Fan::Fan1, 135, 2, FanType::Type1), 2500);
    EXPECT_EQ(fanSpeed(Fan::Fan1, 135, 2, FanType::Type2), 1250);
    EXPECT_EQ(fanSpeed(Fan::Fan1, 150, 4, FanType::Type1), 1125);
    EXPECT_EQ(fanSpeed(Fan::Fan2, 150, 3, FanType::Type1), 1500);
    // Fan 3 ignores the divisor, even a zero one.
    EXPECT_EQ(fanSpeed(Fan::Fan3, 150, 0, FanType::Type1), 4500);
    EXPECT_EQ(fanSpeed(Fan::Fan3, 150, 8, FanType::Type2), 2250);

    EXPECT_FALSE(fanSpeed(Fan::Fan1, 0, 2, FanType::Type1).has_value());
    EXPECT_FALSE(fanSpeed(Fan::Fan2, 100, 0, FanType::Type1).has_value());
    EXPECT_FALSE(fanSpeed(Fan::Fan3, 0, 2, FanType::Type2).has_value());

    EXPECT_FALSE(isFanAvailable(255));
    EXPECT_TRUE(isFanAvailable(254));
}
