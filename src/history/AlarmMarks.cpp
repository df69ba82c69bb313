#include "history/AlarmMarks.h"

#include "sensors/VoltageConversion.h"
#include "settings/Settings.h"

namespace cdx {

AlarmMarks alarmMarks(const Settings& settings)
{
    AlarmMarks marks{};
    for (std::size_t i = 0; i < Readings::TemperatureCount; ++i) {
        const TemperatureSettings& t = settings.temperatures[i];
        if (t.alarmEnabled) {
            marks[i].high = t.alarmTemperature;
        }
    }
    const VoltageNominals nominals{settings.coreVoltageNominal, settings.plus33VoltageNominal};
    for (std::size_t i = 0; i < Readings::RailCount; ++i) {
        const auto rail = static_cast<VoltageRail>(i);
        if (settings.watched(rail)) {
            const VoltageBand band = voltageBand(rail, nominals, settings.voltageTolerance);
            marks[Readings::TemperatureCount + i] = AlarmMark{band.low(), band.high()};
        }
    }
    for (std::size_t i = 0; i < Readings::FanCount; ++i) {
        const FanSettings& f = settings.fans[i];
        if (f.alarmEnabled) {
            marks[Readings::TemperatureCount + Readings::RailCount + i].low =
                f.nominalRpm - f.nominalRpm / 100.0 * f.tolerancePercent;
        }
    }
    return marks;
}

} // namespace cdx
