#include "history/SpanSummary.h"

#include <cmath>

#include "history/ReadingsHistory.h"
#include "sensors/TemperatureConversion.h"

namespace cdx {

namespace {

// Running figures of one reading.
struct Tally {
    ChannelSummary summary;
    long double sum = 0.0L;
    std::int64_t count = 0;

    void take(double low, std::int64_t lowAt, double high, std::int64_t highAt, long double average, std::int64_t polls,
              double latest)
    {
        ChannelSummary& s = summary;
        if (!s.any || low < s.lowest) {
            s.lowest = low;
            s.lowestAt = lowAt;
        }
        if (!s.any || high > s.highest) {
            s.highest = high;
            s.highestAt = highAt;
        }
        s.now = latest;
        s.any = true;
        sum += average * polls;
        count += polls;
    }

    ChannelSummary finish()
    {
        if (count > 0) {
            summary.average = static_cast<double>(sum / count);
        }
        return summary;
    }
};

// A value as it counts in an average: temperatures in the scale shown.
long double averaged(std::size_t channel, double value, const TemperatureDisplay& display)
{
    if (channel >= Readings::TemperatureCount || display.scale != TemperatureScale::Fahrenheit) {
        return value;
    }
    const long double fahrenheit = toFahrenheit(value);
    return display.roundFahrenheit ? std::trunc(fahrenheit) : fahrenheit;
}

void takeBand(std::array<Tally, Readings::ChannelCount>& tallies, const MinuteBand& band,
              const TemperatureDisplay& display)
{
    for (std::size_t c = 0; c < Readings::ChannelCount; ++c) {
        if (band.counts[c] > 0) {
            tallies[c].take(band.lowest[c], band.startSeconds, band.highest[c], band.startSeconds,
                            averaged(c, band.average[c], display), band.counts[c], band.average[c]);
        }
    }
}

} // namespace

SpanSummary summarizeSpan(const ReadingsHistory& history, HistorySpan span, std::int64_t endSeconds,
                          const TemperatureDisplay& display)
{
    std::array<Tally, Readings::ChannelCount> tallies{};
    const std::int64_t from = endSeconds - spanSeconds(span);
    if (drawsMinuteBands(span)) {
        for (std::size_t i = 0; i < history.minuteCount(); ++i) {
            const MinuteBand& band = history.minute(i);
            if (band.startSeconds + 60 > from && band.startSeconds <= endSeconds) {
                takeBand(tallies, band, display);
            }
        }
        MinuteBand open;
        if (history.openMinute(open) && open.startSeconds <= endSeconds) {
            takeBand(tallies, open, display);
        }
    } else {
        for (std::size_t i = 0; i < history.pointCount(); ++i) {
            const HistoryPoint& point = history.point(i);
            if (point.unixSeconds <= from || point.unixSeconds > endSeconds) {
                continue;
            }
            for (std::size_t c = 0; c < Readings::ChannelCount; ++c) {
                const double v = point.values[c];
                if (hasValue(v)) {
                    tallies[c].take(v, point.unixSeconds, v, point.unixSeconds, averaged(c, v, display), 1, v);
                }
            }
        }
    }
    SpanSummary summary;
    for (std::size_t c = 0; c < Readings::ChannelCount; ++c) {
        summary[c] = tallies[c].finish();
    }
    return summary;
}

} // namespace cdx
