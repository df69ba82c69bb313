#include "history/ReadingsHistory.h"

#include <algorithm>
#include <limits>

namespace cdx {

namespace {

std::int64_t minuteOf(std::int64_t unixSeconds)
{
    const std::int64_t minute = unixSeconds / 60;
    return (unixSeconds % 60 < 0 ? minute - 1 : minute) * 60;
}

} // namespace

ReadingsHistory::ReadingsHistory() : m_points(kPointCapacity), m_minutes(kMinuteCapacity)
{
}

void ReadingsHistory::append(const Readings& readings)
{
    bool gap = !m_havePoll;
    if (m_havePoll) {
        if (readings.unixSeconds < m_lastUnixSeconds) {
            // The clock was set back: what was stamped later is no past of now.
            dropFrom(readings.unixSeconds);
            gap = true;
        }
        const std::int64_t tickDelta =
            readings.tickMs >= m_lastTickMs ? static_cast<std::int64_t>(readings.tickMs - m_lastTickMs) : 0;
        const std::int64_t wallDelta = (readings.unixSeconds - m_lastUnixSeconds) * 1000;
        const std::int64_t silence =
            std::max<std::int64_t>(2 * std::int64_t{m_pollIntervalMs}, m_pollIntervalMs + 2000);
        // The tick stands still while the machine sleeps; the wall clock does not.
        if (tickDelta > silence || wallDelta - tickDelta > silence + 1000) {
            gap = true;
        }
    }
    appendPoint(readings, gap);
    gather(readings);
    m_havePoll = true;
    m_lastTickMs = readings.tickMs;
    m_lastUnixSeconds = readings.unixSeconds;
}

void ReadingsHistory::appendPoint(const Readings& readings, bool gap)
{
    HistoryPoint* point = nullptr;
    if (!gap && m_pointCount > 0 && readings.tickMs - m_lastPointTickMs < kMinPointSpacingMs) {
        point = &m_points[(m_pointHead + kPointCapacity - 1) % kPointCapacity];
    } else {
        point = &m_points.slot(m_pointHead);
        m_pointHead = (m_pointHead + 1) % kPointCapacity;
        m_pointCount = std::min(m_pointCount + 1, kPointCapacity);
        point->gapBefore = gap;
        m_lastPointTickMs = readings.tickMs;
    }
    point->unixSeconds = readings.unixSeconds;
    for (std::size_t c = 0; c < Readings::ChannelCount; ++c) {
        const auto& value = readings.channel(c);
        point->values[c] = value ? *value : kNoValue;
    }
}

void ReadingsHistory::gather(const Readings& readings)
{
    const std::int64_t start = minuteOf(readings.unixSeconds);
    if (m_open.active && m_open.startSeconds != start) {
        closeMinute();
    }
    if (!m_open.active) {
        m_open = OpenMinute{};
        m_open.startSeconds = start;
        m_open.active = true;
    }
    for (std::size_t c = 0; c < Readings::ChannelCount; ++c) {
        const auto& value = readings.channel(c);
        if (!value || m_open.counts[c] == std::numeric_limits<std::uint16_t>::max()) {
            continue;
        }
        if (m_open.counts[c] == 0) {
            m_open.lowest[c] = m_open.highest[c] = *value;
        } else {
            m_open.lowest[c] = std::min(m_open.lowest[c], *value);
            m_open.highest[c] = std::max(m_open.highest[c], *value);
        }
        m_open.sum[c] += *value;
        ++m_open.counts[c];
    }
}

bool ReadingsHistory::openMinute(MinuteBand& band) const
{
    if (!m_open.active || std::all_of(m_open.counts.begin(), m_open.counts.end(), [](auto n) { return n == 0; })) {
        return false;
    }
    band.startSeconds = m_open.startSeconds;
    band.counts = m_open.counts;
    for (std::size_t c = 0; c < Readings::ChannelCount; ++c) {
        const bool any = m_open.counts[c] > 0;
        const auto nan = std::numeric_limits<float>::quiet_NaN();
        band.lowest[c] = any ? static_cast<float>(m_open.lowest[c]) : nan;
        band.highest[c] = any ? static_cast<float>(m_open.highest[c]) : nan;
        band.average[c] = any ? static_cast<float>(m_open.sum[c] / m_open.counts[c]) : nan;
    }
    return true;
}

void ReadingsHistory::closeMinute()
{
    if (openMinute(m_minutes.slot(m_minuteHead))) {
        m_minuteHead = (m_minuteHead + 1) % kMinuteCapacity;
        m_minuteCount = std::min(m_minuteCount + 1, kMinuteCapacity);
    }
    m_open.active = false;
}

void ReadingsHistory::dropFrom(std::int64_t unixSeconds)
{
    while (m_pointCount > 0 && point(m_pointCount - 1).unixSeconds >= unixSeconds) {
        m_pointHead = (m_pointHead + kPointCapacity - 1) % kPointCapacity;
        --m_pointCount;
    }
    const std::int64_t start = minuteOf(unixSeconds);
    if (m_open.active && m_open.startSeconds > start) {
        m_open.active = false;
    }
    while (m_minuteCount > 0 && minute(m_minuteCount - 1).startSeconds >= start) {
        m_minuteHead = (m_minuteHead + kMinuteCapacity - 1) % kMinuteCapacity;
        --m_minuteCount;
    }
}

void ReadingsHistory::restoreMinutes(const std::vector<MinuteBand>& minutes)
{
    m_minuteHead = 0;
    m_minuteCount = 0;
    m_open.active = false;
    if (minutes.empty()) {
        return;
    }
    const std::size_t first = minutes.size() > kMinuteCapacity ? minutes.size() - kMinuteCapacity : 0;
    for (std::size_t i = first; i + 1 < minutes.size(); ++i) {
        m_minutes.slot(m_minuteHead) = minutes[i];
        m_minuteHead = (m_minuteHead + 1) % kMinuteCapacity;
        ++m_minuteCount;
    }
    // The newest minute goes on gathering should the polls go on in it.
    const MinuteBand& last = minutes.back();
    m_open = OpenMinute{};
    m_open.startSeconds = last.startSeconds;
    m_open.active = true;
    m_open.counts = last.counts;
    for (std::size_t c = 0; c < Readings::ChannelCount; ++c) {
        if (last.counts[c] > 0) {
            m_open.lowest[c] = last.lowest[c];
            m_open.highest[c] = last.highest[c];
            m_open.sum[c] = static_cast<double>(last.average[c]) * last.counts[c];
        }
    }
}

std::vector<MinuteBand> ReadingsHistory::minutesForSaving() const
{
    std::vector<MinuteBand> minutes;
    minutes.reserve(m_minuteCount + 1);
    for (std::size_t i = 0; i < m_minuteCount; ++i) {
        minutes.push_back(minute(i));
    }
    MinuteBand open;
    if (openMinute(open)) {
        minutes.push_back(open);
    }
    return minutes;
}

} // namespace cdx
