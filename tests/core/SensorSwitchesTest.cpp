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
                                .trayBoxesChanged =
                                    [this](TemperatureSensor sensor) {
                                        // What the tray icons see when they
                                        // work out the boxes anew.
                                        const auto& t = settings.temperature(sensor);
                                        trayChanges.push_back(std::string(t.sensorEnabled ? "on" : "off") +
                                                              (t.trayShow ? " ticked" : ""));
                                    },
                            }};
    std::vector<std::string> trayChanges;
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
    switches.setChecked(S::WB1, true); // the same state runs no handler
    EXPECT_TRUE(events.empty());
    switches.setChecked(S::WB1, false);
    EXPECT_EQ(gauges[0].centerLabel(), "--");
    EXPECT_EQ(gauges[0].position(), 0.0F);
    EXPECT_FALSE(switches.panelVisible(S::WB1));
    EXPECT_FALSE(settings.temperature(TemperatureSensor::WB1).sensorEnabled);
    EXPECT_FALSE(settings.temperature(TemperatureSensor::WB1).trayShow);
    EXPECT_FALSE(settings.temperature(TemperatureSensor::WB1).swap);
    EXPECT_EQ(events, (std::vector<std::string>{"relay"}));
    // The tray hears of it once the flag is off and the boxes are clear.
    EXPECT_EQ(trayChanges, (std::vector<std::string>{"off"}));

    // Switching on: the tray hears of it with the flag already on, so the
    // box of its mode can be freed at once; it is not ticked.
    events.clear();
    trayChanges.clear();
    switches.setChecked(S::WB1, true);
    EXPECT_FALSE(settings.temperature(TemperatureSensor::WB1).trayShow);
    EXPECT_EQ(trayChanges, (std::vector<std::string>{"on"}));
    EXPECT_EQ(events, (std::vector<std::string>{"relay", "poll"}));
    events.clear();
    switches.runHandler(TemperatureSensor::WB1); // run by hand whatever the state
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
