#pragma once

#include <array>
#include <cstdint>

#include "history/HistorySpan.h"
#include "sensors/Readings.h"
#include "sensors/TemperatureText.h"

namespace cdx {

class ReadingsHistory;

// What one reading did over a span: its latest value, its lowest and highest
// with the times they were read (in degrees Celsius, volts, RPM), and its
// average over every poll in the unit shown: a temperature's average is
// taken over each poll in the scale shown, rounded down to whole degrees
// Fahrenheit where the user asks, just as the statistics page takes it. In
// the day's span a time is the start of the minute, and the average weighs
// each minute's average by its polls.
struct ChannelSummary {
    bool any = false;
    double now = 0.0;
    double lowest = 0.0;
    double highest = 0.0;
    double average = 0.0;
    std::int64_t lowestAt = 0;
    std::int64_t highestAt = 0;
};

using SpanSummary = std::array<ChannelSummary, Readings::ChannelCount>;

// The summary of every reading over `span` ending at `endSeconds` (Unix time).
SpanSummary summarizeSpan(const ReadingsHistory& history, HistorySpan span, std::int64_t endSeconds,
                          const TemperatureDisplay& display);

} // namespace cdx
