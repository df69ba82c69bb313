#include <array>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "presentation/GaugeSet.h"
#include "presentation/ReadingsPanel.h"
#include "presentation/SwapCycle.h"
#include "presentation/TrayColour.h"
#include "presentation/TrayIconText.h"
#include "presentation/TrayTooltip.h"

namespace cdx {
namespace {

TEST(TrayIconTextTest, WidthTextAndPlaceFollowTheLabelInCharacters)
{
    // With the degree text the unit takes two characters.
    EXPECT_EQ(TrayIconText::bitmapWidth("45°C", "°"), 16);
    EXPECT_EQ(TrayIconText::bitmapWidth("105°C", "°"), 20);
    EXPECT_EQ(TrayIconText::bitmapWidth("-5°C", "°"), 16);
    EXPECT_EQ(TrayIconText::bitmapWidth("-15°C", "°"), 20);
    EXPECT_EQ(TrayIconText::bitmapWidth("113.4°F", "°"), 20);
    // Without it one.
    EXPECT_EQ(TrayIconText::bitmapWidth("45C", ""), 16);
    EXPECT_EQ(TrayIconText::bitmapWidth("105C", ""), 20);
    EXPECT_EQ(TrayIconText::bitmapWidth("--", "°"), 16);
    EXPECT_EQ(TrayIconText::bitmapWidth("", ""), 16);

    EXPECT_EQ(TrayIconText::text("45°C", "°", true), "45°");
    EXPECT_EQ(TrayIconText::text("45°C", "°", false), "45");
    EXPECT_EQ(TrayIconText::text("105°C", "°", true), "105°");
    EXPECT_EQ(TrayIconText::text("45C", "", true), "45°");
    EXPECT_EQ(TrayIconText::text("113°F", "°", false), "113");
    EXPECT_EQ(TrayIconText::text("73,4°F", "°", false), "73,4");
    // A label no longer than its unit leaves no number.
    EXPECT_EQ(TrayIconText::text("--", "°", true), "°");
    EXPECT_EQ(TrayIconText::text("--", "°", false), "");
    EXPECT_EQ(TrayIconText::text("", "", true), "°");

    EXPECT_EQ(TrayIconText::textX("45°"), 0);
    EXPECT_EQ(TrayIconText::textX("45"), 2);
    EXPECT_EQ(TrayIconText::textX("°"), 2);
    EXPECT_EQ(TrayIconText::textX("105"), 0);

    // Point sizes are drawn at 96 dpi; a nonsensical stored size still draws something.
    EXPECT_EQ(TrayIconText::fontPixelSize(8), 11);
    EXPECT_EQ(TrayIconText::fontPixelSize(6), 8);
    EXPECT_EQ(TrayIconText::fontPixelSize(9), 12);
    EXPECT_EQ(TrayIconText::fontPixelSize(10), 13);
    EXPECT_EQ(TrayIconText::fontPixelSize(12), 16);
    // A nonsensical stored size still draws something.
    EXPECT_EQ(TrayIconText::fontPixelSize(0), 1);
    EXPECT_EQ(TrayIconText::fontPixelSize(-4), 1);
}

TEST(TrayColourTest, StoredColoursBecomeOpaquePixels)
{
    EXPECT_EQ(TrayColour::toArgb(0x00C0C0C0), 0xFFC0C0C0U);
    EXPECT_EQ(TrayColour::toArgb(0x000000FF), 0xFFFF0000U); // clRed
    EXPECT_EQ(TrayColour::toArgb(0x00FF0000), 0xFF0000FFU); // clBlue
    EXPECT_EQ(TrayColour::toArgb(0x00123456), 0xFF563412U);
    // System colours: button face, window text, and an unknown one.
    EXPECT_EQ(TrayColour::toArgb(0x8000000F), 0xFFD4D0C8U);
    EXPECT_EQ(TrayColour::toArgb(0x80000008), 0xFF000000U);
    EXPECT_EQ(TrayColour::toArgb(0x800000FF), 0xFF000000U);
}

class TrayTooltipTest : public ::testing::Test {
protected:
    TrayTooltipTest()
    {
        wb1.setCenterLabel("45°C");
        lm75.setCenterLabel("--");
        wb2.setCenterLabel("38°C");
        wb3.setCenterLabel("105°C");
        readings.setFanText(Fan::Fan1, "4821");
        readings.setFanText(Fan::Fan2, "not available");
        readings.setFanText(Fan::Fan3, "2250");
    }

    Settings settings;
    GaugeSet gauges;
    GaugeModel& wb1 = gauges[TemperatureSensor::WB1];
    GaugeModel& lm75 = gauges[TemperatureSensor::LM75];
    GaugeModel& wb2 = gauges[TemperatureSensor::WB2];
    GaugeModel& wb3 = gauges[TemperatureSensor::WB3];
    ReadingsPanel readings;
    TrayTooltip tooltip{settings, gauges, readings};
};

TEST_F(TrayTooltipTest, CombinesTheChosenItemsInOrder)
{
    EXPECT_EQ(tooltip.createToolTip(), "Motherboard: 45°C ");

    settings.fan(Fan::Fan1).tooltip = true;
    EXPECT_EQ(tooltip.createToolTip(), "Motherboard: 45°C Fan 1: 4821 ");

    settings.temperature(TemperatureSensor::WB1).tooltip = false;
    settings.fan(Fan::Fan1).tooltip = false;
    EXPECT_EQ(tooltip.createToolTip(), "");

    settings.fan(Fan::Fan3).tooltip = true;
    settings.temperature(TemperatureSensor::LM75).tooltip = true;
    settings.temperature(TemperatureSensor::WB3).tooltip = true;
    settings.fan(Fan::Fan2).tooltip = true;
    settings.temperature(TemperatureSensor::LM75).name = "CPU";
    settings.fan(Fan::Fan2).name = "Rear";
    EXPECT_EQ(tooltip.createToolTip(), "CPU: -- WB Sensor 3: 105°C Rear: not available Fan 3: 2250 ");
}

TEST_F(TrayTooltipTest, IconToolTipIsTheNameUnlessOnAllIcons)
{
    EXPECT_EQ(tooltip.iconToolTip(TemperatureSensor::WB1), "Motherboard");
    EXPECT_EQ(tooltip.iconToolTip(TemperatureSensor::LM75), "CPU LM75");
    EXPECT_EQ(tooltip.iconToolTip(TemperatureSensor::WB2), "WB Sensor 2");
    EXPECT_EQ(tooltip.iconToolTip(TemperatureSensor::WB3), "WB Sensor 3");
    settings.tooltipOnAllIcons = true;
    settings.temperature(TemperatureSensor::WB2).tooltip = true;
    EXPECT_EQ(tooltip.iconToolTip(TemperatureSensor::WB3), "Motherboard: 45°C WB Sensor 2: 38°C ");
}

std::vector<int> ticks(SwapCycle& cycle, const std::array<bool, 4>& chosen, int count)
{
    std::vector<int> shown;
    for (int i = 0; i < count; ++i) {
        const std::optional<TemperatureSensor> turn = cycle.advance(chosen);
        shown.push_back(turn ? static_cast<int>(*turn) + 1 : 0);
    }
    return shown;
}

TEST(SwapCycleTest, VisitsTheChosenSensorsInOrderAndNothingChosenMovesThePosition)
{
    SwapCycle cycle;
    EXPECT_EQ(cycle.swapIndex(), 0);
    EXPECT_EQ(ticks(cycle, {true, false, false, true}, 5), (std::vector<int>{1, 4, 1, 4, 1}));
    EXPECT_EQ(ticks(cycle, {true, true, true, true}, 5), (std::vector<int>{2, 3, 4, 1, 2}));
    EXPECT_EQ(ticks(cycle, {false, false, true, false}, 3), (std::vector<int>{3, 3, 3}));

    // Nothing chosen moves the position only; the next chosen sensor is the
    // one after the position, not from the start.
    SwapCycle idle;
    EXPECT_EQ(ticks(idle, {false, false, false, false}, 5), (std::vector<int>{0, 0, 0, 0, 0}));
    EXPECT_EQ(idle.swapIndex(), 1);
    EXPECT_EQ(ticks(idle, {true, false, true, false}, 2), (std::vector<int>{3, 1}));

    // The interval steps within its bounds.
    EXPECT_EQ(SwapCycle::intervalUp(5000), 6000);
    EXPECT_EQ(SwapCycle::intervalUp(9000), 10000);
    EXPECT_EQ(SwapCycle::intervalUp(10000), 10000);
    EXPECT_EQ(SwapCycle::intervalDown(2000), 1000);
    EXPECT_EQ(SwapCycle::intervalDown(1000), 1000);
    EXPECT_EQ(SwapCycle::intervalCaption(5000), "Interval: 5 Seconds");
    EXPECT_EQ(SwapCycle::intervalCaption(10000), "Interval: 10 Seconds");
}

} // namespace
} // namespace cdx
