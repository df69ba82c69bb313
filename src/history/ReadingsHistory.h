#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "history/HistoryPoint.h"
#include "history/MinuteBand.h"
#include "history/UntouchedArray.h"
#include "sensors/Readings.h"

namespace cdx {

// Every poll's readings of the last hour, and the last 24 hours as one band
// (lowest, average, highest) per minute of the wall clock.
//
// Both are rings allocated once: an append neither allocates nor moves
// anything, and a slot becomes resident only when first written, so a
// history that has not yet wrapped costs what it holds. Polls closer
// together than a second share one point of the hour (the latest wins
// there; the minute bands count every poll). A reading that
// was not available is no value; a stretch without polls (suspended, the
// machine asleep) is a gap, found by the time between two polls. A wall clock
// set back drops what now lies in its future, so both rings stay in order.
class ReadingsHistory {
public:
    static constexpr std::size_t kPointCapacity = 4000; // > an hour at one point a second
    static constexpr std::size_t kMinuteCapacity = 24 * 60;
    static constexpr std::int64_t kMinPointSpacingMs = 950;

    ReadingsHistory();

    // The poll interval polls normally come at; longer silences are gaps.
    void setPollInterval(int milliseconds) { m_pollIntervalMs = milliseconds > 0 ? milliseconds : 1000; }

    void append(const Readings& readings);

    // The hour, oldest first.
    std::size_t pointCount() const { return m_pointCount; }
    const HistoryPoint& point(std::size_t index) const
    {
        return m_points[(m_pointHead + kPointCapacity - m_pointCount + index) % kPointCapacity];
    }

    // The finished minutes of the day, oldest first.
    std::size_t minuteCount() const { return m_minuteCount; }
    const MinuteBand& minute(std::size_t index) const
    {
        return m_minutes[(m_minuteHead + kMinuteCapacity - m_minuteCount + index) % kMinuteCapacity];
    }
    // The minute being gathered now, as it stands; false when there is none.
    bool openMinute(MinuteBand& band) const;

    // Start-up: the minutes read back from the last run (in time order, at
    // most a day) replace the day. The hour stays empty.
    void restoreMinutes(const std::vector<MinuteBand>& minutes);
    // Every finished minute, the open one included, for saving.
    std::vector<MinuteBand> minutesForSaving() const;

    // Bytes the history holds at most, whatever it has gathered.
    static constexpr std::size_t footprint()
    {
        return sizeof(ReadingsHistory) + kPointCapacity * sizeof(HistoryPoint) + kMinuteCapacity * sizeof(MinuteBand);
    }
    // Bytes of it written so far, the part that is resident.
    std::size_t residentBytes() const
    {
        return sizeof(ReadingsHistory) + m_points.made() * sizeof(HistoryPoint) + m_minutes.made() * sizeof(MinuteBand);
    }

private:
    struct OpenMinute {
        std::int64_t startSeconds = 0;
        std::array<double, Readings::ChannelCount> lowest{};
        std::array<double, Readings::ChannelCount> highest{};
        std::array<double, Readings::ChannelCount> sum{};
        std::array<std::uint16_t, Readings::ChannelCount> counts{};
        bool active = false;
    };

    void appendPoint(const Readings& readings, bool gap);
    void gather(const Readings& readings);
    void closeMinute();
    // Drops the points stamped at or after `unixSeconds`, and its minute on.
    void dropFrom(std::int64_t unixSeconds);

    UntouchedArray<HistoryPoint> m_points;
    std::size_t m_pointHead = 0; // the slot after the newest
    std::size_t m_pointCount = 0;
    UntouchedArray<MinuteBand> m_minutes;
    std::size_t m_minuteHead = 0;
    std::size_t m_minuteCount = 0;
    OpenMinute m_open;
    int m_pollIntervalMs = 1000;
    bool m_havePoll = false;
    std::uint64_t m_lastTickMs = 0;
    std::int64_t m_lastUnixSeconds = 0;
    std::uint64_t m_lastPointTickMs = 0;
};

} // namespace cdx
