#include "presentation/SensorNames.h"

#include "sensors/Utf8.h"
#include "settings/Settings.h"

namespace cdx {

namespace {

constexpr std::array kTemperaturePlaces{
    NamePlace::GaugeCaption, NamePlace::UpDownName,        NamePlace::SelectorEntry,  NamePlace::MaximumScaleGroup,
    NamePlace::AlarmGroup,   NamePlace::CompensationGroup, NamePlace::TrayShowBox,    NamePlace::TooltipBox,
    NamePlace::SwapBox,      NamePlace::CpuIdleEntry,      NamePlace::TrayStyleEntry, NamePlace::SensorSwitch,
};

constexpr std::array kFanPlaces{
    NamePlace::FanNameLabel, NamePlace::UpDownName, NamePlace::SelectorEntry,
    NamePlace::AlarmGroup,   NamePlace::TooltipBox,
};

bool isFan(NamedItem item)
{
    return item == NamedItem::Fan1 || item == NamedItem::Fan2 || item == NamedItem::Fan3;
}

std::size_t at(NamedItem item)
{
    return static_cast<std::size_t>(item);
}

std::string switchCaption(NamedItem item, std::string_view name)
{
    std::string prefix;
    switch (item) {
    case NamedItem::WB1:
        prefix = "Check WB Senor 1/LM78 (";
        break;
    case NamedItem::LM75:
        prefix = "Check LM75 (";
        break;
    case NamedItem::WB2:
        prefix = "Check WB Sensor 2 (";
        break;
    case NamedItem::WB3:
        prefix = "Check WB Sensor 3 (";
        break;
    default:
        return std::string(name);
    }
    return prefix + std::string(name) + ")";
}

} // namespace

std::size_t SensorNames::maxLength(NamedItem item)
{
    return isFan(item) ? kFanNameLength : kTemperatureNameLength;
}

std::span<const NamePlace> SensorNames::places(NamedItem item)
{
    if (isFan(item)) {
        return kFanPlaces;
    }
    return kTemperaturePlaces;
}

std::string SensorNames::caption(NamePlace place, NamedItem item, std::string_view name)
{
    const std::string text(name);
    switch (place) {
    case NamePlace::MaximumScaleGroup:
        return text + " Maximum Scale";
    case NamePlace::AlarmGroup:
        return text + " Alarm Settings";
    case NamePlace::CompensationGroup:
        return text + " Compensation";
    case NamePlace::SensorSwitch:
        return switchCaption(item, name);
    default:
        return text;
    }
}

void SensorNames::attach(NamePlace place, NamedItem item, Show show)
{
    m_attached.push_back({place, item, std::move(show)});
}

std::string& SensorNames::stored(NamedItem item)
{
    if (isFan(item)) {
        return m_settings.fans[at(item) - at(NamedItem::Fan1)].name;
    }
    return m_settings.temperatures[at(item)].name;
}

const std::string& SensorNames::name(NamedItem item) const
{
    if (isFan(item)) {
        return m_settings.fans[at(item) - at(NamedItem::Fan1)].name;
    }
    return m_settings.temperatures[at(item)].name;
}

const std::string& SensorNames::setName(NamedItem item, std::string_view name)
{
    stored(item) = utf8Left(name, maxLength(item));
    propagate(item);
    return stored(item);
}

void SensorNames::propagate(NamedItem item)
{
    const std::string& current = stored(item);
    for (NamePlace place : places(item)) {
        for (const Attached& attached : m_attached) {
            if (attached.place == place && attached.item == item && attached.show) {
                attached.show(caption(place, item, current));
            }
        }
    }
}

void SensorNames::propagateAll()
{
    for (NamedItem item : kAllNamedItems) {
        propagate(item);
    }
}

} // namespace cdx
