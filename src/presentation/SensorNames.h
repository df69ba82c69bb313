#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "sensors/SensorSet.h"

namespace cdx {

struct Settings;

// The seven things the user names on the Names page, in the page's order.
enum class NamedItem { WB1, LM75, WB2, WB3, Fan1, Fan2, Fan3 };

inline constexpr std::array<NamedItem, 7> kAllNamedItems{
    NamedItem::WB1, NamedItem::LM75, NamedItem::WB2, NamedItem::WB3, NamedItem::Fan1, NamedItem::Fan2, NamedItem::Fan3};

inline constexpr NamedItem namedItem(TemperatureSensor sensor)
{
    return static_cast<NamedItem>(static_cast<int>(sensor));
}

inline constexpr NamedItem namedItem(Fan fan)
{
    return static_cast<NamedItem>(static_cast<int>(NamedItem::Fan1) + static_cast<int>(fan));
}

// The places that show a user's name, each with its own caption around it.
enum class NamePlace {
    GaugeCaption,      // below the temperature's gauge
    FanNameLabel,      // the fan's name in the window's fan group
    UpDownName,        // the statistics page's name label
    SelectorEntry,     // the temperature's or fan's entry in its tab's selector
    MaximumScaleGroup, // "<name> Maximum Scale"
    AlarmGroup,        // "<name> Alarm Settings"
    CompensationGroup, // "<name> Compensation"
    TrayShowBox,       // the tray show box
    TooltipBox,        // the box on the Tooltip page
    SwapBox,           // the tray swap box
    CpuIdleEntry,      // the entry in the CPU Idle sensor list
    TrayStyleEntry,    // the entry in the tray-style sensor list
    SensorSwitch,      // the sensor's switch on the General page
};

// The user's names of the four temperatures and three fans, and the routines
// that copy a name into every place showing it as soon as it changes
// (SetAllMBText ... SetAllFan3Text). Places register a handler that receives
// their caption; a place nobody registered is skipped.
class SensorNames {
public:
    using Show = std::function<void(const std::string& caption)>;

    static constexpr std::size_t kTemperatureNameLength = 11;
    static constexpr std::size_t kFanNameLength = 9;

    explicit SensorNames(Settings& settings) : m_settings(settings) {}

    // The longest name, in characters, the item takes: its column in the
    // interval log's text table.
    static std::size_t maxLength(NamedItem item);
    inline constexpr NamedItem namedItem(TemperatureSensor sensor)
    {
        return static_cast<NamedItem>(static_cast<int>(sensor));
    }

    inline constexpr NamedItem namedItem(Fan fan)
    {
        return static_cast<NamedItem>(static_cast<int>(NamedItem::Fan1) + static_cast<int>(fan));
    }

    // The places that show the item's name, in the order they are updated.
    static std::span<const NamePlace> places(NamedItem item);
    // What a place shows for a name ("Check WB Senor 1/LM78 (Motherboard)").
    static std::string caption(NamePlace place, NamedItem item, std::string_view name);

    // Registers a place; several handlers for one place all run.
    void attach(NamePlace place, NamedItem item, Show show);

    const std::string& name(NamedItem item) const;
    // An edit of the Names page changed: the name (cut to its length) is
    // stored and shown in every place at once. Returns the stored name.
    const std::string& setName(NamedItem item, std::string_view name);
    // Shows the stored name in every place of the item.
    void propagate(NamedItem item);
    // Start-up: every name into every place.
    void propagateAll();

private:
    std::string& stored(NamedItem item);
    struct Attached {
        NamePlace place;
        NamedItem item;
        Show show;
    };

    Settings& m_settings;
    std::vector<Attached> m_attached;
};

} // namespace cdx
