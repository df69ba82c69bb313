#include "history/ReadingNames.h"

#include "sensors/VoltageCaption.h"
#include "settings/Settings.h"

namespace cdx {

std::array<std::string, Readings::ChannelCount> readingNames(const Settings& settings,
                                                             std::string_view decimalSeparator)
{
    std::array<std::string, Readings::ChannelCount> names;
    for (std::size_t i = 0; i < Readings::TemperatureCount; ++i) {
        names[i] = settings.temperatures[i].name;
    }
    for (std::size_t i = 0; i < Readings::RailCount; ++i) {
        names[Readings::TemperatureCount + i] =
            voltageCaption(static_cast<VoltageRail>(i), settings.plus33VoltageNominal, decimalSeparator);
    }
    for (std::size_t i = 0; i < Readings::FanCount; ++i) {
        names[Readings::TemperatureCount + Readings::RailCount + i] = settings.fans[i].name;
    }
    return names;
}

} // namespace cdx
