#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "history/HistoryGroup.h"
#include "history/SpanSummary.h"
#include "sensors/TemperatureText.h"

namespace cdx {

// The texts a plot of the History window gives, for a screen reader and the
// hover label, in the unit shown.
class SpanDescription {
public:
    using TimeText = std::function<std::string(std::int64_t unixSeconds)>;

    SpanDescription(TemperatureDisplay display, TimeText timeText);

    // A value of one of the group's readings: temperatures as the statistics
    // page shows lowest and highest, volts with two decimals, fans whole.
    std::string valueText(HistoryGroup group, double value) const;
    // An average: two decimals, temperatures in the scale shown.
    std::string averageText(HistoryGroup group, double value) const;
    // The unit after a value: "°C", "°F", "V", "RPM".
    std::string unit(HistoryGroup group) const;

    // One sentence per reading with values in the span: "<name>: now ...,
    // lowest ... at <time>, highest ... at <time>, average ...", the average
    // as the summary took it in the unit shown. `names` holds the name of
    // each of the group's readings.
    std::string describe(HistoryGroup group, const SpanSummary& summary,
                         const std::array<std::string, Readings::ChannelCount>& names) const;

private:
    TemperatureDisplay m_display;
    TimeText m_timeText;
};

} // namespace cdx
