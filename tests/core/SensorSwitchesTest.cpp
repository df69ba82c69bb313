#include "presentation/SensorSwitches.h"

#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "presentation/GaugeSet.h"
#include "presentation/GaugeStack.h"
#include "settings/Settings.h"

namespace cdx {
namespace {

using S = TemperatureSensor;

class SensorSwitchesTest : public ::testing::Test {
protected:
    SensorSwitchesTest()
    {
        for (GaugeModel& g : gauges) {
            g.setScale(80.0F);
            g.setPosition(33.0F);
            g.setCenterLabel("33°C");
        }
    }

    std::array<bool, 4> flags() const
    {
        return {settings.temperature(TemperatureSensor::WB1).sensorEnabled,
                settings.temperature(TemperatureSensor::LM75).sensorEnabled,
                settings.temperature(TemperatureSensor::WB2).sensorEnabled,
                settings.temperature(TemperatureSensor::WB3).sensorEnabled};
    }

    Settings settings;
    GaugeSet gauges;
    std::vector<std::string> events;
    SensorSwitches switches{settings, gauges,
                            SensorSwitches::Actions{
                                .readLm75 = [this] { events.push_back("read lm75"); },
                                .relayGauges = [this] { events.push_back("relay"); },
                                .pollIfActive = [this] { events.push_back("poll"); },
                                .trayBoxesChanged = {},
                            }};
};

TEST_F(SensorSwitchesTest, Lm75AndTheWinbondPairExcludeEachOther)
{
    switches.setChecked(S::WB2, true);
    EXPECT_TRUE(settings.temperature(TemperatureSensor::WB2).sensorEnabled);
    EXPECT_TRUE(settings.wb2SwitchBox);
    EXPECT_FALSE(switches.enabled(S::LM75));

    switches.setChecked(S::WB3, true);
    switches.setChecked(S::WB2, false);
    // WB3 still on: the LM75 stays locked.
    EXPECT_FALSE(switches.enabled(S::LM75));
    switches.setChecked(S::WB3, false);
    EXPECT_TRUE(switches.enabled(S::LM75));

    switches.setChecked(S::WB2, true);
    switches.setChecked(S::LM75, true); // by code, as start-up does
    EXPECT_FALSE(switches.checked(S::WB2));
    EXPECT_FALSE(switches.enabled(S::WB2));
    EXPECT_FALSE(switches.enabled(S::WB3));
    EXPECT_TRUE(settings.temperature(TemperatureSensor::LM75).sensorEnabled);
    EXPECT_FALSE(settings.temperature(TemperatureSensor::WB2).sensorEnabled);
    EXPECT_FALSE(settings.wb2SwitchBox);
}

TEST_F(SensorSwitchesTest, SwitchingOffShowsDashesAtZeroAndHidesThePanel)
{
    switches.setChecked(S::WB1, false);
    EXPECT_EQ(gauges[0].centerLabel(), "--");
    EXPECT_EQ(gauges[0].position(), 0.0F);
    EXPECT_FALSE(switches.panelVisible(S::WB1));
    EXPECT_FALSE(settings.temperature(TemperatureSensor::WB1).sensorEnabled);
    EXPECT_FALSE(settings.temperature(TemperatureSensor::WB1).trayShow);
    EXPECT_FALSE(switches.trayBoxEnabled(S::WB1));
    EXPECT_FALSE(switches.swapBoxEnabled(S::WB1));
    EXPECT_EQ(events, (std::vector<std::string>{"relay"}));

    // Switching on in tray mode frees only the tray box.
    events.clear();
    switches.setChecked(S::WB1, true);
    EXPECT_TRUE(switches.trayBoxEnabled(S::WB1));
    EXPECT_FALSE(switches.swapBoxEnabled(S::WB1));
    EXPECT_FALSE(settings.temperature(TemperatureSensor::WB1).trayShow); // enabled, not ticked
    EXPECT_EQ(events, (std::vector<std::string>{"relay", "poll"}));
}

TEST_F(SensorSwitchesTest, SettingTheSameStateRunsNoHandler)
{
    switches.setChecked(S::WB1, true);
    EXPECT_TRUE(events.empty());
    switches.runHandler(TemperatureSensor::WB1);
    EXPECT_EQ(events, (std::vector<std::string>{"relay", "poll"}));
}

TEST_F(SensorSwitchesTest, StartUpAppliesTheStoredFlagsInOrder)
{
    settings.temperature(TemperatureSensor::LM75).sensorEnabled = true;
    settings.temperature(TemperatureSensor::WB1).sensorEnabled = true;
    settings.temperature(TemperatureSensor::WB3).sensorEnabled = true;
    switches.applyAtStartUp(true);
    // The WB3 switch, applied after the LM75, wins.
    EXPECT_EQ(flags(), (std::array<bool, 4>{true, false, false, true}));
    EXPECT_EQ(switches.panelsVisible(), (std::array<bool, 4>{true, false, false, true}));
    EXPECT_EQ(gauges[1].centerLabel(), "--");
    EXPECT_EQ(gauges[2].centerLabel(), "--");
    EXPECT_EQ(gauges[0].centerLabel(), "33°C");
    EXPECT_EQ(std::count(events.begin(), events.end(), "read lm75"), 2);
}

TEST_F(SensorSwitchesTest, StartUpWithoutAChipSwitchesTheMotherboardSensorOff)
{
    settings.temperature(TemperatureSensor::LM75).sensorEnabled = true;
    switches.applyAtStartUp(false);
    EXPECT_EQ(flags(), (std::array<bool, 4>{false, true, false, false}));
    EXPECT_EQ(switches.panelsVisible(), (std::array<bool, 4>{false, true, false, false}));
    EXPECT_EQ(GaugeStack::restackGauges(switches.panelsVisible()).compactHeight, 100);
}

} // namespace
} // namespace cdx
