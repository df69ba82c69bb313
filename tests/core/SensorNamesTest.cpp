#include "presentation/SensorNames.h"

#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "settings/Settings.h"

namespace cdx {
namespace {

TEST(SensorNamesTest, CaptionsAroundTheName)
{
    struct Case {
        NamePlace place;
        NamedItem item;
        const char* name;
        const char* caption;
    };
    const std::vector<Case> cases{
        {NamePlace::GaugeCaption, NamedItem::WB1, "Board", "Board"},
        {NamePlace::MaximumScaleGroup, NamedItem::WB2, "Case", "Case Maximum Scale"},
        {NamePlace::AlarmGroup, NamedItem::LM75, "CPU", "CPU Alarm Settings"},
        {NamePlace::CompensationGroup, NamedItem::WB3, "Disk", "Disk Compensation"},
        {NamePlace::SensorSwitch, NamedItem::WB1, "Board", "Check WB Senor 1/LM78 (Board)"},
        {NamePlace::SensorSwitch, NamedItem::WB1, "", "Check WB Senor 1/LM78 ()"},
        {NamePlace::SensorSwitch, NamedItem::LM75, "CPU", "Check LM75 (CPU)"},
        {NamePlace::SensorSwitch, NamedItem::WB3, "Disk", "Check WB Sensor 3 (Disk)"},
        {NamePlace::TooltipBox, NamedItem::Fan1, "Intake", "Intake"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SensorNames::caption(c.place, c.item, c.name), c.caption) << c.caption;
    }
}

TEST(SensorNamesTest, ANameLongerThanItsColumnIsKeptWhole)
{
    // The edits limit typing to the log's columns; a name that arrives
    // otherwise (a stored one, one set by an assistive tool) is never cut.
    Settings settings;
    SensorNames names(settings);
    EXPECT_EQ(SensorNames::maxLength(NamedItem::WB1), 11U);
    EXPECT_EQ(SensorNames::maxLength(NamedItem::Fan2), 9U);
    EXPECT_EQ(names.setName(NamedItem::WB1, "Mainboard chipset °C"), "Mainboard chipset °C");
    EXPECT_EQ(names.setName(NamedItem::Fan2, "Rear exhaust fan"), "Rear exhaust fan");
    EXPECT_EQ(settings.temperature(TemperatureSensor::WB1).name, "Mainboard chipset °C");
    EXPECT_EQ(settings.fan(Fan::Fan2).name, "Rear exhaust fan");
    EXPECT_EQ(names.setName(NamedItem::WB3, ""), "");
}

TEST(SensorNamesTest, AChangeReachesEveryPlaceOfItsItemOnly)
{
    Settings settings;
    SensorNames names(settings);
    std::map<std::pair<NamePlace, NamedItem>, std::vector<std::string>> shown;
    const std::vector<NamePlace> everyPlace{
        NamePlace::GaugeCaption,      NamePlace::FanNameLabel, NamePlace::UpDownName,        NamePlace::SelectorEntry,
        NamePlace::MaximumScaleGroup, NamePlace::AlarmGroup,   NamePlace::CompensationGroup, NamePlace::TrayShowBox,
        NamePlace::TooltipBox,        NamePlace::SwapBox,      NamePlace::CpuIdleEntry,      NamePlace::TrayStyleEntry,
        NamePlace::SensorSwitch,
    };
    using Captions = std::vector<std::string>;
    auto seen = [&shown](NamePlace place, NamedItem item) { return shown[{place, item}]; };
    for (NamedItem item : kAllNamedItems) {
        for (NamePlace place : everyPlace) {
            names.attach(place, item, [&shown, place, item](const std::string& caption) {
                shown[{place, item}].push_back(caption);
            });
        }
    }

    names.setName(NamedItem::WB2, "Case");
    EXPECT_EQ(shown.size(), 12U) << "a temperature has twelve places";
    EXPECT_EQ(seen(NamePlace::SensorSwitch, NamedItem::WB2), Captions{"Check WB Sensor 2 (Case)"});
    EXPECT_EQ(seen(NamePlace::TrayStyleEntry, NamedItem::WB2), Captions{"Case"});
    EXPECT_FALSE(shown.contains({NamePlace::FanNameLabel, NamedItem::WB2}));

    shown.clear();
    names.setName(NamedItem::Fan3, "Pump");
    std::vector<NamePlace> fanPlaces;
    for (const auto& [key, captions] : shown) {
        EXPECT_EQ(key.second, NamedItem::Fan3);
        fanPlaces.push_back(key.first);
    }
    EXPECT_EQ(fanPlaces,
              (std::vector<NamePlace>{NamePlace::FanNameLabel, NamePlace::UpDownName, NamePlace::SelectorEntry,
                                      NamePlace::AlarmGroup, NamePlace::TooltipBox}));
    EXPECT_EQ(seen(NamePlace::AlarmGroup, NamedItem::Fan3), Captions{"Pump Alarm Settings"});

    // Start-up: every stored name once into each of its places.
    shown.clear();
    names.propagateAll();
    EXPECT_EQ(shown.size(), 4U * 12U + 3U * 5U);
    EXPECT_EQ(seen(NamePlace::GaugeCaption, NamedItem::WB1), Captions{"Motherboard"});
    EXPECT_EQ(seen(NamePlace::UpDownName, NamedItem::Fan3), Captions{"Pump"});
}

} // namespace
} // namespace cdx
