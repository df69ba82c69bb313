#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "history/AlarmMarks.h"
#include "history/HistorySpan.h"
#include "history/ReadingsHistory.h"
#include "sensors/TemperatureText.h"

namespace cdx {

// What the History window's plots show now: the history, the span ending at
// `endSeconds`, the unit and the user's names, the alarm marks.
struct HistoryView {
    const ReadingsHistory* history = nullptr;
    HistorySpan span = HistorySpan::Hour;
    std::int64_t endSeconds = 0;
    TemperatureDisplay display;
    std::array<std::string, Readings::ChannelCount> names;
    AlarmMarks marks{};
    // The minute being gathered, drawn after the finished ones.
    MinuteBand openMinute;
    bool hasOpenMinute = false;
};

} // namespace cdx
